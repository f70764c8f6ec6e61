#include <cstring>

#include "platform/Exceptions.h"
#include "platform/win32/Win32Platform.h"

namespace vnl::win32 {

namespace {

// The clipboard, open for as long as the session lives. Another program
// usually holds it for a few milliseconds only, so opening is tried again
// before the clipboard is reported busy.
class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner) {
        if (!OpenWithRetry([owner] { return OpenClipboard(owner) != FALSE; }, [](unsigned ms) { Sleep(ms); }))
            throw EClipboardError();
    }
    ~ClipboardSession() { CloseClipboard(); }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
};

}  // namespace

WindowHandle Clipboard::SetViewer(WindowHandle self) { return FromHwnd(SetClipboardViewer(ToHwnd(self))); }

void Clipboard::ChangeChain(WindowHandle self, WindowHandle next) { ChangeClipboardChain(ToHwnd(self), ToHwnd(next)); }

bool Clipboard::HasText() { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

std::string Clipboard::ReadText() {
    ClipboardSession session(ToHwnd(m_app.Handle()));
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) return {};
    GlobalLock lock(data);
    const char* text = static_cast<const char*>(lock.get());
    if (!text) return {};
    // The text ends at its NUL, and never past its block.
    const std::size_t size = GlobalSize(data);
    return std::string(text, strnlen(text, size));
}

void Clipboard::WriteText(const std::string& text) {
    ClipboardSession session(ToHwnd(m_app.Handle()));
    EmptyClipboard();
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1));
    if (!block) throw EPlatformError("クリップボードにデータを設定できません");
    {
        GlobalLock lock(block.get());
        if (!lock.get()) throw EPlatformError("クリップボードにデータを設定できません");
        std::memcpy(lock.get(), text.c_str(), text.size() + 1);
    }
    // The clipboard owns the block once it took it.
    if (SetClipboardData(CF_TEXT, block.get())) block.release();
}

}  // namespace vnl::win32
