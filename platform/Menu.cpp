#include "platform/Menu.h"

#include <vector>

namespace vnl {

namespace {

std::uint64_t NextStamp() {
    static std::uint64_t stamp = 0;
    return ++stamp;
}

// Command numbers are 16 bits wide in the menu's command message and the
// range from 0xF000 up belongs to the system menu, so numbers of destroyed
// items are given out again.
class CommandPool {
public:
    std::uint16_t Take() {
        if (!m_free.empty()) {
            const std::uint16_t c = m_free.back();
            m_free.pop_back();
            return c;
        }
        return m_next < kLast ? m_next++ : 0;
    }
    void Give(std::uint16_t c) {
        if (c != 0) m_free.push_back(c);
    }

private:
    static constexpr std::uint16_t kLast = 0xF000;
    std::uint16_t m_next = 1;
    std::vector<std::uint16_t> m_free;
};

CommandPool& Pool() {
    static CommandPool pool;
    return pool;
}

}  // namespace

TMenuItem::TMenuItem(std::string name, std::string caption)
    : m_name(std::move(name)), m_caption(std::move(caption)), m_command(Pool().Take()), m_stamp(NextStamp()),
      m_childrenStamp(NextStamp()) {}

TMenuItem::~TMenuItem() {
    m_peer.reset();
    m_children.clear();
    Pool().Give(m_command);
}

void TMenuItem::Touch() { m_stamp = NextStamp(); }

void TMenuItem::TouchChildren() { m_childrenStamp = NextStamp(); }

void TMenuItem::SetCaption(std::string caption) {
    if (caption == m_caption) return;
    // A line and a text item are different kinds of entry.
    const bool wasLine = IsLine();
    m_caption = std::move(caption);
    Touch();
    if (wasLine != IsLine() && m_parent) m_parent->TouchChildren();
}

void TMenuItem::SetEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    m_enabled = enabled;
    Touch();
}

void TMenuItem::SetChecked(bool checked) {
    if (checked == m_checked) return;
    m_checked = checked;
    Touch();
}

void TMenuItem::SetVisible(bool visible) {
    if (visible == m_visible) return;
    m_visible = visible;
    Touch();
    if (m_parent) m_parent->TouchChildren();
}

void TMenuItem::Click() {
    if (m_onClick) m_onClick(*this);
}

TMenuItem& TMenuItem::Add(std::unique_ptr<TMenuItem> item) {
    item->m_parent = this;
    m_children.push_back(std::move(item));
    TouchChildren();
    if (m_children.size() == 1) Touch();  // it becomes a submenu
    return *m_children.back();
}

void TMenuItem::Delete(int index) {
    m_children.erase(m_children.begin() + index);
    TouchChildren();
    if (m_children.empty()) Touch();  // no longer a submenu
}

void TMenuItem::Clear() {
    for (int i = Count() - 1; i >= 0; --i) Delete(i);
}

TMenuItem* TMenuItem::FindCommand(std::uint16_t command) {
    if (command != 0 && m_command == command) return this;
    for (auto& child : m_children)
        if (TMenuItem* found = child->FindCommand(command)) return found;
    return nullptr;
}

TPopupMenu::TPopupMenu(IMenuHost& host, std::string name) : m_host(host), m_root(std::move(name)) {}

void TPopupMenu::Popup(WindowHandle owner, int x, int y, unsigned flags) { m_host.Popup(*this, owner, x, y, flags); }

bool TPopupMenu::DispatchCommand(std::uint16_t command) {
    TMenuItem* item = m_root.FindCommand(command);
    if (!item || item == &m_root) return false;
    item->Click();
    return true;
}

}  // namespace vnl
