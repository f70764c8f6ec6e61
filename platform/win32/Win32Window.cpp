#include "platform/win32/Win32Platform.h"

namespace vnl::win32 {

WindowHandle WindowHost::CreateFormWindow(TForm& form) {
    const HINSTANCE instance = m_app.Instance();
    WNDCLASSA wc = {};
    if (!GetClassInfoA(instance, form.ClassName().c_str(), &wc)) {
        wc = WNDCLASSA{};
        wc.lpfnWndProc = WndProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = form.ClassName().c_str();
        RegisterClassA(&wc);
    }
    // A top-level window, never shown: it receives the icon's notices, the
    // session's end and the broadcast of a new taskbar.
    HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, form.ClassName().c_str(), form.Caption().c_str(), WS_POPUP, 0, 0, 0,
                                0, nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 0;
    auto binding = std::make_unique<Binding>(Binding{&form, &m_app});
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(binding.get()));
    m_bindings[hwnd] = std::move(binding);
    return FromHwnd(hwnd);
}

void WindowHost::DestroyFormWindow(WindowHandle window) {
    HWND hwnd = ToHwnd(window);
    // The form is going: no message reaches it any more.
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
    m_bindings.erase(hwnd);
}

void WindowHost::DefaultWindowProc(WindowHandle window, TMessage& m) {
    m.Result = DefWindowProcA(ToHwnd(window), m.Msg, m.WParam, m.LParam);
}

LRESULT CALLBACK WindowHost::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* binding = reinterpret_cast<Binding*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!binding) return DefWindowProcA(hwnd, msg, wParam, lParam);
    TMessage m{msg, wParam, lParam, 0};
    // No exception may unwind through the system's frames.
    DispatchGuarded(*binding->form, m, *binding->app);
    return m.Result;
}

}  // namespace vnl::win32
