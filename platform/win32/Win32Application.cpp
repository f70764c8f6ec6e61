#include "platform/win32/Win32Platform.h"

#include "platform/Exceptions.h"

namespace vnl::win32 {

namespace {

const char* const kAppClass = "TApplication";

std::string ModuleFileName() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return std::string(buffer, n);
}

}  // namespace

Application::Application(HINSTANCE instance)
    : m_instance(instance), m_title(DefaultApplicationTitle(ModuleFileName())) {}

void Application::Initialize() {
    // The application window exists from here on, hidden: the owner of the
    // message boxes and of the clipboard.
    Handle();
}

void Application::SetTitle(const std::string& title) {
    m_title = title;
    if (m_window) SetWindowTextA(m_window.get(), m_title.c_str());
}

WindowHandle Application::Handle() {
    if (!m_window) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = m_instance;
        wc.hIcon = reinterpret_cast<HICON>(Icon());
        wc.lpszClassName = kAppClass;
        RegisterClassA(&wc);
        m_window.reset(CreateWindowExA(WS_EX_TOOLWINDOW, kAppClass, m_title.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                                       nullptr, m_instance, nullptr));
    }
    return FromHwnd(m_window.get());
}

void Application::HideWindow() { ShowWindow(ToHwnd(Handle()), SW_HIDE); }

IconHandle Application::Icon() {
    if (!m_icon) {
        // The small picture of the program's main icon, as the notification
        // area shows it.
        m_icon.reset(static_cast<HICON>(LoadImageA(m_instance, "MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
    }
    return reinterpret_cast<IconHandle>(m_icon.get());
}

void Application::Run() {
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

void Application::Terminate() { PostQuitMessage(0); }

int Application::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return ::MessageBoxA(ToHwnd(Handle()), text.c_str(), caption.c_str(), flags);
}

void Application::ShowException(const std::exception& e) {
    // A box inside a sent message would keep the sender waiting until the
    // user closes it; answer first.
    if (InSendMessage()) ReplyMessage(0);
    MessageBox(ExceptionBoxText(e.what()), m_title, MB_ICONERROR);
}

}  // namespace vnl::win32
