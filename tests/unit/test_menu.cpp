#include <gtest/gtest.h>

#include <set>

#include "fakes/Fakes.h"
#include "platform/Menu.h"

namespace vnl {
namespace {

TMenuItem& Add(TMenuItem& parent, const char* caption) { return parent.Add(std::make_unique<TMenuItem>("", caption)); }

TEST(MenuModel, ItemsKeepTheirOrderStateAndHandlers) {
    test::CallLog log;
    test::FakeMenus host(log);
    TPopupMenu menu(host, "PMenu");
    TMenuItem& a = Add(menu.Items(), "&Open");
    TMenuItem& line = Add(menu.Items(), "-");
    TMenuItem& sub = Add(menu.Items(), "More(&M)");
    TMenuItem& child = Add(sub, "Child(&C)");
    EXPECT_FALSE(a.IsLine());
    EXPECT_TRUE(line.IsLine());
    EXPECT_EQ(menu.Items().Count(), 3);
    EXPECT_EQ(&menu.Items().Items(2), &sub);
    EXPECT_EQ(child.Parent(), &sub);

    int clicks = 0;
    TMenuItem* clicked = nullptr;
    child.SetOnClick([&](TMenuItem& s) {
        ++clicks;
        clicked = &s;
    });
    EXPECT_TRUE(menu.DispatchCommand(child.Command()));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(clicked, &child);
    // An item without a handler does nothing; an unknown command is refused.
    EXPECT_TRUE(menu.DispatchCommand(a.Command()));
    EXPECT_FALSE(menu.DispatchCommand(0));
    EXPECT_FALSE(menu.DispatchCommand(0xEFFE));
}

TEST(MenuModel, ClearDestroysEveryChildAndFreesItsCommand) {
    TMenuItem sub("sub");
    std::set<std::uint16_t> commands;
    for (int i = 0; i < 5; ++i) commands.insert(Add(sub, "x").Command());
    EXPECT_EQ(commands.size(), 5u) << "every item has its own command";
    EXPECT_EQ(commands.count(0), 0u);
    sub.Clear();
    EXPECT_EQ(sub.Count(), 0);
    // The numbers of destroyed items are used again, so thousands of
    // rebuilds never run out of 16-bit commands.
    for (int round = 0; round < 20000; ++round) {
        TMenuItem& item = Add(sub, "y");
        ASSERT_NE(item.Command(), 0);
        sub.Clear();
    }
}

TEST(MenuModel, StampsMoveOnlyWithChanges) {
    TMenuItem parent("p");
    TMenuItem& item = Add(parent, "a");
    const auto own = item.Stamp();
    const auto list = parent.ChildrenStamp();
    item.SetEnabled(true);
    item.SetCaption("a");
    EXPECT_EQ(item.Stamp(), own) << "an unchanged value is no change";
    item.SetChecked(true);
    EXPECT_NE(item.Stamp(), own);
    EXPECT_EQ(parent.ChildrenStamp(), list) << "a check mark does not change the list";
    item.SetVisible(false);
    EXPECT_NE(parent.ChildrenStamp(), list) << "a hidden item leaves the list";
    const auto afterHide = parent.ChildrenStamp();
    Add(parent, "b");
    EXPECT_NE(parent.ChildrenStamp(), afterHide);
}

}  // namespace
}  // namespace vnl
