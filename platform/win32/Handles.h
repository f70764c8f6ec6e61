// Owners for the Win32 handles the platform layer opens: each is closed
// exactly once, when its owner goes. Move-only.
#pragma once

#include "platform/win32/Win32Api.h"

#include <cstdint>
#include <utility>

namespace vnl::win32 {

template <class Handle, class Traits>
class Unique {
public:
    Unique() = default;
    explicit Unique(Handle h) : m_h(h) {}
    ~Unique() { reset(); }
    Unique(Unique&& o) noexcept : m_h(std::exchange(o.m_h, Traits::Invalid())) {}
    Unique& operator=(Unique&& o) noexcept {
        if (this != &o) {
            reset();
            m_h = std::exchange(o.m_h, Traits::Invalid());
        }
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    Handle get() const { return m_h; }
    explicit operator bool() const { return m_h != Traits::Invalid(); }
    Handle release() { return std::exchange(m_h, Traits::Invalid()); }
    void reset(Handle h = Traits::Invalid()) {
        if (m_h != Traits::Invalid()) Traits::Close(m_h);
        m_h = h;
    }

private:
    Handle m_h = Traits::Invalid();
};

struct KernelTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct FindTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { FindClose(h); }
};
struct MenuTraits {
    static HMENU Invalid() { return nullptr; }
    static void Close(HMENU h) { DestroyMenu(h); }
};
struct GlobalTraits {
    static HGLOBAL Invalid() { return nullptr; }
    static void Close(HGLOBAL h) { GlobalFree(h); }
};
struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};
struct WindowTraits {
    static HWND Invalid() { return nullptr; }
    static void Close(HWND h) { DestroyWindow(h); }
};

using UniqueHandle = Unique<HANDLE, KernelTraits>;
using UniqueFind = Unique<HANDLE, FindTraits>;
using UniqueMenu = Unique<HMENU, MenuTraits>;
using UniqueGlobal = Unique<HGLOBAL, GlobalTraits>;
using UniqueIcon = Unique<HICON, IconTraits>;
using UniqueWindow = Unique<HWND, WindowTraits>;

// A global block locked for as long as the guard lives.
class GlobalLock {
public:
    explicit GlobalLock(HGLOBAL h) : m_h(h), m_p(::GlobalLock(h)) {}
    ~GlobalLock() {
        if (m_p) ::GlobalUnlock(m_h);
    }
    GlobalLock(const GlobalLock&) = delete;
    GlobalLock& operator=(const GlobalLock&) = delete;
    void* get() const { return m_p; }

private:
    HGLOBAL m_h;
    void* m_p;
};

inline HWND ToHwnd(std::uintptr_t h) { return reinterpret_cast<HWND>(h); }
inline std::uintptr_t FromHwnd(HWND h) { return reinterpret_cast<std::uintptr_t>(h); }

}  // namespace vnl::win32
