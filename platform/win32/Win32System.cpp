#include <cstring>

#include "platform/win32/Win32Platform.h"
// After the system's main header, which it needs.
#include <shellapi.h>

namespace vnl::win32 {

void System::ShellNotifyIcon(std::uint32_t message, const NotifyIconData& data) {
    NOTIFYICONDATAA nid = {};
    // The first form of the record: every shell since Windows 95 takes it.
    nid.cbSize = data.cbSize;
    nid.hWnd = ToHwnd(data.hWnd);
    nid.uID = data.uID;
    nid.uFlags = data.uFlags;
    nid.uCallbackMessage = data.uCallbackMessage;
    nid.hIcon = reinterpret_cast<HICON>(data.hIcon);
    static_assert(sizeof nid.szTip >= sizeof data.szTip, "the tip field holds 64 bytes");
    std::memcpy(nid.szTip, data.szTip, sizeof data.szTip);
    Shell_NotifyIconA(message, &nid);
}

Point System::GetCursorPos() {
    POINT p = {};
    ::GetCursorPos(&p);
    return Point{p.x, p.y};
}

void System::SetForegroundWindow(WindowHandle window) { ::SetForegroundWindow(ToHwnd(window)); }

void System::PostMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    PostMessageA(ToHwnd(window), message, wParam, lParam);
}

std::intptr_t System::SendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam) {
    return SendMessageA(ToHwnd(window), message, wParam, lParam);
}

void System::SystemParametersInfo(std::uint32_t action, std::uint32_t uiParam, const char* pvParam,
                                  std::uint32_t winIni) {
    SystemParametersInfoA(action, uiParam, const_cast<char*>(pvParam), winIni);
}

std::uint8_t System::ACLineStatus() {
    SYSTEM_POWER_STATUS status = {};
    status.ACLineStatus = 255;  // what a failed query leaves: not reported
    GetSystemPowerStatus(&status);
    return status.ACLineStatus;
}

std::uint32_t System::TaskbarCreatedMessage() {
    if (m_taskbarCreated == 0) m_taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    return m_taskbarCreated;
}

}  // namespace vnl::win32
