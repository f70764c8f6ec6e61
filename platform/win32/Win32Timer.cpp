#include "platform/win32/Win32Platform.h"

namespace vnl::win32 {

namespace {

const char* const kTimerClass = "VanteloTimer";

}  // namespace

HWND TimerHost::Window() {
    if (!m_window) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = WndProc;
        wc.hInstance = m_app.Instance();
        wc.lpszClassName = kTimerClass;
        RegisterClassA(&wc);
        m_window.reset(CreateWindowExA(WS_EX_TOOLWINDOW, kTimerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                       m_app.Instance(), nullptr));
        SetWindowLongPtrA(m_window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    return m_window.get();
}

ITimerHost::TimerId TimerHost::Start(std::uint32_t intervalMs, std::function<void()> onTick) {
    const TimerId id = m_next++;
    if (!SetTimer(Window(), id, intervalMs, nullptr)) return 0;
    m_timers[id] = std::move(onTick);
    return id;
}

void TimerHost::Stop(TimerId id) {
    if (m_window) KillTimer(m_window.get(), id);
    m_timers.erase(id);
}

LRESULT CALLBACK TimerHost::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* host = reinterpret_cast<TimerHost*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (msg == WM_TIMER && host) {
        auto it = host->m_timers.find(wParam);
        if (it != host->m_timers.end()) {
            // A copy: the handler may stop or restart its own timer.
            std::function<void()> tick = it->second;
            RunGuarded(host->m_app, tick);
        }
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace vnl::win32
