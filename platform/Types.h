// Portable stand-ins for the handful of Windows types the logic passes
// around. The values are the ones Windows uses, so the Win32 side can hand
// them through unchanged.
#pragma once

#include <cstdint>

namespace vnl {

using WindowHandle = std::uintptr_t;  // HWND
using IconHandle = std::uintptr_t;    // HICON

struct Point {
    int x = 0;
    int y = 0;
};

// One window message as the form's handlers see it.
struct TMessage {
    std::uint32_t Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

namespace msg {
constexpr std::uint32_t Close = 0x0010;            // WM_CLOSE
constexpr std::uint32_t QueryEndSession = 0x0011;  // WM_QUERYENDSESSION
constexpr std::uint32_t EndSession = 0x0016;       // WM_ENDSESSION
constexpr std::uint32_t Command = 0x0111;          // WM_COMMAND
constexpr std::uint32_t DrawClipboard = 0x0308;    // WM_DRAWCLIPBOARD
constexpr std::uint32_t ChangeCBChain = 0x030D;    // WM_CHANGECBCHAIN
constexpr std::uint32_t User = 0x0400;             // WM_USER
constexpr std::uint32_t LButtonDown = 0x0201;
constexpr std::uint32_t LButtonUp = 0x0202;
constexpr std::uint32_t LButtonDblClk = 0x0203;
constexpr std::uint32_t RButtonDown = 0x0204;
constexpr std::uint32_t RButtonUp = 0x0205;
constexpr std::uint32_t MouseMove = 0x0200;
}  // namespace msg

}  // namespace vnl
