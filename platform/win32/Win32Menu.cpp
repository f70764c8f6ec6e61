// The real popup menu, made from the model when it opens. Each submenu is
// kept between popups and changed only where the model changed, so a large
// submenu that stays the same costs nothing to show again.
#include <vector>

#include "platform/win32/Win32Platform.h"

namespace vnl::win32 {

namespace {

class MenuPeer : public IMenuPeer {
public:
    MenuPeer() : menu(CreatePopupMenu()) {}
    ~MenuPeer() override {
        // Submenus belong to their own items: detach them so that only this
        // menu is destroyed.
        while (GetMenuItemCount(menu.get()) > 0) RemoveMenu(menu.get(), 0, MF_BYPOSITION);
    }
    UniqueMenu menu;
    std::uint64_t childrenStamp = 0;
    std::vector<std::uint64_t> itemStamps;
};

HMENU Sync(TMenuItem& item);

MENUITEMINFOA Describe(TMenuItem& item, HMENU submenu) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
    info.fType = item.IsLine() ? MFT_SEPARATOR : MFT_STRING;
    info.fState = (item.Enabled() ? MFS_ENABLED : MFS_GRAYED) | (item.Checked() ? MFS_CHECKED : MFS_UNCHECKED);
    info.wID = item.Command();
    info.hSubMenu = submenu;
    if (!item.IsLine()) info.dwTypeData = const_cast<char*>(item.Caption().c_str());
    return info;
}

HMENU SubmenuOf(TMenuItem& item) { return item.Count() > 0 ? Sync(item) : nullptr; }

HMENU Sync(TMenuItem& item) {
    auto* peer = static_cast<MenuPeer*>(item.Peer());
    if (!peer) {
        item.SetPeer(std::make_unique<MenuPeer>());
        peer = static_cast<MenuPeer*>(item.Peer());
    }
    std::vector<TMenuItem*> shown;
    for (int i = 0; i < item.Count(); ++i)
        if (item.Items(i).Visible()) shown.push_back(&item.Items(i));

    HMENU menu = peer->menu.get();
    if (peer->childrenStamp != item.ChildrenStamp()) {
        while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
        peer->itemStamps.clear();
        for (UINT pos = 0; pos < shown.size(); ++pos) {
            MENUITEMINFOA info = Describe(*shown[pos], SubmenuOf(*shown[pos]));
            InsertMenuItemA(menu, pos, TRUE, &info);
            peer->itemStamps.push_back(shown[pos]->Stamp());
        }
        peer->childrenStamp = item.ChildrenStamp();
        return menu;
    }
    for (UINT pos = 0; pos < shown.size(); ++pos) {
        HMENU submenu = SubmenuOf(*shown[pos]);
        if (peer->itemStamps[pos] != shown[pos]->Stamp()) {
            MENUITEMINFOA info = Describe(*shown[pos], submenu);
            SetMenuItemInfoA(menu, pos, TRUE, &info);
            peer->itemStamps[pos] = shown[pos]->Stamp();
        }
    }
    return menu;
}

}  // namespace

void MenuHost::Popup(TPopupMenu& menu, WindowHandle owner, int x, int y, unsigned flags) {
    HMENU h = Sync(menu.Items());
    TrackPopupMenu(h, flags, x, y, 0, ToHwnd(owner), nullptr);
    // Lets the menu close when the user clicks outside it.
    PostMessageA(ToHwnd(owner), WM_NULL, 0, 0);
}

}  // namespace vnl::win32
