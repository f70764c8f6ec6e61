// The menu model: a tree of items the form builds and changes; the platform
// turns it into a real popup menu only when it opens.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Types.h"

namespace vnl {

class TPopupMenu;

// What the platform keeps for an item while it is shown in a real menu.
// It dies with the item.
class IMenuPeer {
public:
    virtual ~IMenuPeer() = default;
};

class TMenuItem {
public:
    using ClickHandler = std::function<void(TMenuItem&)>;

    // name: the designer name, caption: "-" makes a separator line, "&"
    // marks the next character as the access key.
    explicit TMenuItem(std::string name = {}, std::string caption = {});
    ~TMenuItem();
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    const std::string& Name() const { return m_name; }
    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string caption);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    std::intptr_t Tag() const { return m_tag; }
    void SetTag(std::intptr_t tag) { m_tag = tag; }
    void SetOnClick(ClickHandler handler) { m_onClick = std::move(handler); }
    bool IsLine() const { return m_caption == "-"; }

    // Runs the click handler, if the item has one.
    void Click();

    int Count() const { return static_cast<int>(m_children.size()); }
    TMenuItem& Items(int index) { return *m_children.at(static_cast<std::size_t>(index)); }
    const TMenuItem& Items(int index) const { return *m_children.at(static_cast<std::size_t>(index)); }
    TMenuItem* Parent() const { return m_parent; }
    // Appends item as the last child and returns it.
    TMenuItem& Add(std::unique_ptr<TMenuItem> item);
    // Removes the child at index and destroys it.
    void Delete(int index);
    // Removes and destroys every child, from the last to the first.
    void Clear();

    // The command number the real menu reports when this item is chosen.
    std::uint16_t Command() const { return m_command; }
    TMenuItem* FindCommand(std::uint16_t command);

    // Change stamps, for a platform menu that redraws only what changed:
    // Stamp moves when the item itself changes, ChildrenStamp when its list
    // of shown children changes.
    std::uint64_t Stamp() const { return m_stamp; }
    std::uint64_t ChildrenStamp() const { return m_childrenStamp; }
    IMenuPeer* Peer() const { return m_peer.get(); }
    void SetPeer(std::unique_ptr<IMenuPeer> peer) { m_peer = std::move(peer); }

private:
    void Touch();
    void TouchChildren();

    std::string m_name;
    std::string m_caption;
    bool m_enabled = true;
    bool m_checked = false;
    bool m_visible = true;
    std::intptr_t m_tag = 0;
    ClickHandler m_onClick;
    TMenuItem* m_parent = nullptr;
    std::uint16_t m_command = 0;
    std::uint64_t m_stamp = 0;
    std::uint64_t m_childrenStamp = 0;
    std::vector<std::unique_ptr<TMenuItem>> m_children;
    // Declared last so that it goes first: the platform's menu of this item
    // is torn down before the menus of its children.
    std::unique_ptr<IMenuPeer> m_peer;
};

// Turns the model into a real menu and tracks it.
class IMenuHost {
public:
    virtual ~IMenuHost() = default;
    // Shows menu at x, y with the given TrackPopupMenu flags; the choice comes
    // back to owner as a command message.
    virtual void Popup(TPopupMenu& menu, WindowHandle owner, int x, int y, unsigned flags) = 0;
};

class TPopupMenu {
public:
    TPopupMenu(IMenuHost& host, std::string name);

    TMenuItem& Items() { return m_root; }
    const TMenuItem& Items() const { return m_root; }
    void Popup(WindowHandle owner, int x, int y, unsigned flags);
    // Runs the click handler of the item with this command; false when the
    // menu holds no such item.
    bool DispatchCommand(std::uint16_t command);

private:
    IMenuHost& m_host;
    TMenuItem m_root;
};

}  // namespace vnl
