// The remaining Windows services the tray window calls directly.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace vnl {

namespace nim {
constexpr std::uint32_t Add = 0;
constexpr std::uint32_t Delete = 2;
}  // namespace nim

namespace spi {
constexpr std::uint32_t SetScreenSaveActive = 17;
constexpr std::uint32_t SetDeskWallpaper = 20;
constexpr std::uint32_t UpdateIniFile = 1;
}  // namespace spi

// The shell's notification icon record in its first, 88-byte form.
struct NotifyIconData {
    std::uint32_t cbSize = 0;
    WindowHandle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    IconHandle hIcon = 0;
    char szTip[64] = {};
};

class ISystem {
public:
    virtual ~ISystem() = default;
    virtual void ShellNotifyIcon(std::uint32_t message, const NotifyIconData& data) = 0;
    virtual Point GetCursorPos() = 0;
    virtual void SetForegroundWindow(WindowHandle window) = 0;
    virtual void PostMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
    virtual std::intptr_t SendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                      std::intptr_t lParam) = 0;
    virtual void SystemParametersInfo(std::uint32_t action, std::uint32_t uiParam, const char* pvParam,
                                      std::uint32_t winIni) = 0;
    // ACLineStatus of GetSystemPowerStatus: 0 off line, 1 on line, 255 unknown.
    virtual std::uint8_t ACLineStatus() = 0;
    // The message the shell broadcasts when the taskbar is made anew.
    virtual std::uint32_t TaskbarCreatedMessage() = 0;
};

}  // namespace vnl
