#include <cstring>

#include "fakes/TrayFixture.h"

namespace vnl {
namespace {

using test::MenuEntry;
using test::TrayTest;

struct Expected {
    int depth;
    const char* name;
    const char* caption;
    bool visible;
};

// The whole menu, in order; depth 1 stands in the submenu above it.
const Expected kMenu[] = {
    {0, "M1", "ﾏｲｺﾝﾋﾟｭｰﾀ(&M)", true},
    {0, "n2", "ﾈｯﾄﾜｰｸｺﾝﾋﾟｭｰﾀ(&N)", true},
    {0, "N1", "ｺﾝﾄﾛｰﾙﾊﾟﾈﾙ(&C)", true},
    {0, "P1", "ﾌﾟﾘﾝﾀ(&P)", true},
    {0, "D1", "ｺﾞﾐ箱(&G)", true},
    {0, "N7", "-", true},
    {0, "D2", "ﾄﾞﾗｲﾌﾞ(&D)", true},
    {1, "DRV", "- A -", true},
    {0, "N13", "-", true},
    {0, "S1", "ﾂｰﾙ(&S)", true},
    {1, "B1", "ｽｸﾘｰﾝｷｬﾌﾟﾁｬｰ(&B)", true},
    {1, "H1", "画面のﾊｰﾄﾞｺﾋﾟｰ(&H)", true},
    {1, "N16", "-", true},
    {1, "S2", "ｽﾄｯﾌﾟｳｫｯﾁ(&S)", true},
    {1, "N8", "-", true},
    {1, "D3", "電卓(&D)", true},
    {1, "M2", "ﾒﾓ帳(&M)", true},
    {1, "IPI1", "IP設定(&I)", true},
    {1, "N15", "-", false},
    {1, "N14", "テスト", false},
    {0, "N9", "-", true},
    {0, "R1", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ履歴(&E )", true},
    {1, "Record", "", true},
    {0, "N6", "-", true},
    {0, "W1", "ｽｸﾘｰﾝｾｰﾊﾞｰ起動(&W)", true},
    {0, "N4", "-", true},
    {0, "T2", "一時停止(&T)", true},
    {1, "T1", "ｽｸﾘｰﾝｾｰﾊﾞｰ一時停止(&T)", true},
    {1, "K1", "壁紙ﾁｪﾝｼﾞｬｰ一時停止(&K)", true},
    {0, "N12", "-", true},
    {0, "A1", "壁紙変更(&Z)", true},
    {0, "I1", "壁紙指定(&I)", true},
    {1, "WP", "", true},
    {0, "N5", "-", true},
    {0, "WindowsS1", "Windowsｼｬｯﾄﾀﾞｳﾝ(&S)", true},
    {0, "WindowsR1", "Windows再起動(&R)", true},
    {0, "WindowsL1", "Windowsﾛｸﾞｵﾌ(&L)", true},
    {0, "N3", "-", true},
    {0, "VanteloPlusA1", "Vantelo Plus設定(&A)...", true},
    {0, "N11", "-", true},
    {0, "About1", "ﾊﾞｰｼﾞｮﾝ情報(&V)...", true},
    {0, "N10", "-", true},
    {0, "VanteloPlusX1", "Vantelo Plus終了(&X)", true},
};

TEST_F(TrayTest, TheMenuHoldsEveryItemInOrder) {
    test::TestFVNL form(p.platform);
    std::vector<std::pair<int, const TMenuItem*>> flat;
    const TMenuItem& top = form.PMenu.Items();
    for (int i = 0; i < top.Count(); ++i) {
        flat.push_back({0, &top.Items(i)});
        for (int j = 0; j < top.Items(i).Count(); ++j) flat.push_back({1, &top.Items(i).Items(j)});
    }
    ASSERT_EQ(flat.size(), std::size(kMenu));
    for (std::size_t k = 0; k < flat.size(); ++k) {
        const Expected& e = kMenu[k];
        const TMenuItem& item = *flat[k].second;
        EXPECT_EQ(flat[k].first, e.depth) << e.name;
        EXPECT_EQ(item.Name(), e.name);
        EXPECT_EQ(item.Caption(), e.caption) << e.name;
        EXPECT_EQ(item.Visible(), e.visible) << e.name;
        EXPECT_TRUE(item.Enabled()) << e.name;
    }
    // Byte for byte, with the blank before the parenthesis.
    EXPECT_EQ(form.R1->Caption(), "\xB8\xD8\xAF\xCC\xDF\xCE\xDE\xB0\xC4\xDE\x97\x9A\x97\xF0(&E )");
}

TEST_F(TrayTest, StartUpAndCloseRunTheirStepsInOrder) {
    p.registry.SetDword("Software\\hkr\\VNL\\Changer", "Enabled", 1);
    p.files.folders["C:\\Walls"] = {{"a.bmp", 0}};
    p.registry.SetString("Software\\hkr\\VNL\\Changer", "Path", "C:\\Walls");
    WriteLog("a.bmp");
    TFVNL& form = Start();
    EXPECT_TRUE(form.TrayEnabled());
    EXPECT_EQ(Calls({"icon.", "reg.", "clipboard.", "files.", "spi"}),
              (std::vector<std::string>{"icon.Add", "reg.Create Software\\hkr\\VNL\\Explorer",
                                        "reg.Create Software\\hkr\\VNL\\Changer", "reg.Create Software\\hkr\\VNL\\ETC",
                                        "clipboard.SetViewer", "files.ProgramFolder"}));
    EXPECT_EQ(form.FileList.ItemIndex(), 0) << "the restore ran after the folder was set";

    p.log.clear();
    Choose(*form.VanteloPlusX1);
    EXPECT_FALSE(form.TrayEnabled());
    EXPECT_EQ(Calls({"icon.", "clipboard.", "files.", "spi", "app.Terminate"}),
              (std::vector<std::string>{"clipboard.ChangeChain", "files.ProgramFolder", "spi 17", "icon.Delete",
                                        "app.Terminate"}));
    // The screen saver is made active again, stored in the user's settings.
    const test::SpiCall& spi = p.system.spi.back();
    EXPECT_EQ(spi.uiParam, 1u);
    EXPECT_FALSE(spi.pvParam.has_value());
    EXPECT_EQ(spi.winIni, 1u);

    // A second close request does nothing more.
    p.log.clear();
    Send(msg::Close);
    EXPECT_TRUE(p.log.empty());
}

TEST_F(TrayTest, TheIconRecordAddedAndRemoved) {
    TFVNL& form = Start();
    ASSERT_EQ(p.system.icons.size(), 1u);
    const NotifyIconData& add = p.system.icons[0].data;
    EXPECT_EQ(add.cbSize, 88u);
    EXPECT_EQ(add.hWnd, form.Handle());
    EXPECT_EQ(add.uID, 100u);
    EXPECT_EQ(add.uFlags, 7u);
    EXPECT_EQ(add.uCallbackMessage, 1025u);
    EXPECT_EQ(add.hIcon, p.app.Icon());
    EXPECT_STREQ(add.szTip, "Vantelo Plus");

    form.Close();
    const auto& removal = p.system.icons.back();
    EXPECT_EQ(removal.message, nim::Delete);
    EXPECT_EQ(removal.data.cbSize, 88u);
    EXPECT_EQ(removal.data.hWnd, form.Handle());
    EXPECT_EQ(removal.data.uID, 100u);
    EXPECT_EQ(removal.data.uFlags, 0u);
}

TEST_F(TrayTest, AButtonPressRebuildsAndOpensTheMenuAtTheCursor) {
    TFVNL& form = Start();
    for (std::uint32_t press : {msg::LButtonDown, msg::RButtonDown}) {
        p.log.clear();
        Tray(press);
        EXPECT_EQ(Calls({"GetCursorPos", "SetForegroundWindow", "menu."}),
                  (std::vector<std::string>{"GetCursorPos", "SetForegroundWindow", "menu.Popup"}));
    }
    ASSERT_EQ(p.menus.popups.size(), 2u);
    const test::PopupCall& popup = p.menus.popups.back();
    EXPECT_EQ(popup.x, 640);
    EXPECT_EQ(popup.y, 700);
    EXPECT_EQ(popup.flags, 2u);
    EXPECT_EQ(popup.owner, form.Handle());
    EXPECT_EQ(p.system.foreground.back(), form.Handle());
    // The design-time placeholders are gone after the first rebuild.
    EXPECT_EQ(form.D2->Count(), 0);
    EXPECT_EQ(form.R1->Count(), 0);
    EXPECT_EQ(form.I1->Count(), 0);
    EXPECT_EQ(form.DRV, nullptr);
    EXPECT_EQ(form.Record, nullptr);
    EXPECT_EQ(form.WP, nullptr);
}

TEST_F(TrayTest, OtherMouseMessagesAndAClosedGateDoNothing) {
    int dialogs = 0;
    Start().SetSettingsDialog([&] { return ++dialogs, 2; });
    for (std::uint32_t other : {msg::MouseMove, msg::LButtonUp, msg::RButtonUp, 0x0207u, 0x0208u, 0x0206u})
        Tray(other);
    EXPECT_TRUE(p.menus.popups.empty());
    EXPECT_EQ(dialogs, 0);

    form->Close();
    OpenMenu();
    Tray(msg::LButtonDblClk);
    EXPECT_TRUE(p.menus.popups.empty());
    EXPECT_EQ(dialogs, 0);
}

TEST_F(TrayTest, DoubleClickOpensTheSettingsDialogWithTheGateClosed) {
    TFVNL& form = Start();
    std::vector<int> results = {2, 1, 0};
    form.SetSettingsDialog([&] {
        // Clicks on the icon while the dialog is open do nothing.
        EXPECT_FALSE(form.TrayEnabled());
        OpenMenu();
        Tray(msg::LButtonDblClk);
        const int r = results.front();
        results.erase(results.begin());
        return r;
    });
    auto loads = [&] { return static_cast<int>(Calls({"reg.Create Software\\hkr\\VNL\\Explorer"}).size()); };
    const int before = loads();
    Tray(msg::LButtonDblClk);  // Cancel: nothing read
    EXPECT_EQ(loads(), before);
    Choose(*form.VanteloPlusA1);  // OK: the settings are read again
    EXPECT_EQ(loads(), before + 1);
    Tray(msg::LButtonDblClk);  // closed some other way
    EXPECT_EQ(loads(), before + 1);
    EXPECT_TRUE(form.TrayEnabled());
    EXPECT_TRUE(p.menus.popups.empty());
}

TEST_F(TrayTest, ADialogThatFailsLeavesTheIconWorking) {
    TFVNL& form = Start();
    form.SetSettingsDialog([]() -> int { throw EPlatformError("dialog failed"); });
    Tray(msg::LButtonDblClk);
    ASSERT_EQ(p.app.boxes.size(), 1u);
    EXPECT_EQ(p.app.boxes[0].text, "dialog failed.");
    EXPECT_EQ(p.app.boxes[0].caption, "Vantelo Plus");
    EXPECT_TRUE(form.TrayEnabled());
    OpenMenu();
    EXPECT_EQ(p.menus.popups.size(), 1u);
}

TEST_F(TrayTest, EndOfTheLogonIsAgreedAndTheFormClosesThroughTheQueue) {
    TFVNL& form = Start();
    const TMessage answer = Send(msg::QueryEndSession);
    EXPECT_EQ(answer.Result, 1);
    ASSERT_EQ(p.system.posted.size(), 1u);
    EXPECT_EQ(p.system.posted[0].window, form.Handle());
    EXPECT_EQ(p.system.posted[0].message, msg::Close);
    EXPECT_EQ(p.system.posted[0].wParam, 0u);
    EXPECT_EQ(p.system.posted[0].lParam, 0);
    EXPECT_FALSE(form.Closed()) << "the close waits for the queued request";
    EXPECT_TRUE(std::find(p.windows.defaulted.begin(), p.windows.defaulted.end(), msg::QueryEndSession) ==
                p.windows.defaulted.end());

    Send(msg::Close);
    EXPECT_TRUE(form.Closed());
    EXPECT_EQ(p.app.terminated, 1);
}

TEST_F(TrayTest, TheSessionEndingClosesTheFormBeforeTheProcessIsEnded) {
    TFVNL& form = Start();
    Send(msg::EndSession, 0);
    EXPECT_FALSE(form.Closed()) << "the session goes on";
    Send(msg::EndSession, 1);
    EXPECT_TRUE(form.Closed());
    EXPECT_EQ(p.system.icons.back().message, nim::Delete);
}

TEST_F(TrayTest, ANewTaskbarGetsTheIconAgain) {
    TFVNL& form = Start();
    Send(test::FakeSystem::kTaskbarCreated);
    ASSERT_EQ(p.system.icons.size(), 2u);
    EXPECT_EQ(p.system.icons[1].message, nim::Add);
    EXPECT_EQ(std::memcmp(&p.system.icons[1].data, &p.system.icons[0].data, sizeof(NotifyIconData)), 0);
    form.Close();
    Send(test::FakeSystem::kTaskbarCreated);
    EXPECT_EQ(p.system.icons.back().message, nim::Delete) << "no icon after the close";
}

TEST_F(TrayTest, AnExceptionInAHandlerIsShownAndTheProgramGoesOn) {
    TFVNL& form = Start();
    form.M1->SetOnClick([](TMenuItem&) { throw EPlatformError("クリップボードを開くことができません"); });
    Choose(*form.M1);
    ASSERT_EQ(p.app.boxes.size(), 1u);
    EXPECT_EQ(p.app.boxes[0].text, "クリップボードを開くことができません.");
    EXPECT_EQ(p.app.boxes[0].caption, "Vantelo Plus");
    EXPECT_EQ(p.app.boxes[0].flags, 16u);
    EXPECT_FALSE(form.Closed());
    OpenMenu();
    EXPECT_EQ(p.menus.popups.size(), 1u);
}

TEST_F(TrayTest, ItemsOfLaterToolsAndUnknownMessagesDoNothing) {
    TFVNL& form = Start();
    const auto logSize = p.log.size();
    for (TMenuItem* item : {form.M1, form.B1, form.W1, form.WindowsS1, form.About1}) Choose(*item);
    EXPECT_EQ(p.log.size(), logSize);
    EXPECT_TRUE(p.app.boxes.empty());
    Send(0x0402);
    ASSERT_FALSE(p.windows.defaulted.empty());
    EXPECT_EQ(p.windows.defaulted.back(), 0x0402u) << "other messages go to the default handling";
}

TEST_F(TrayTest, IsOnBatteryFromTheLineStatus) {
    test::TestFVNL& form = Start();
    const std::pair<int, bool> cases[] = {{0, true}, {1, false}, {255, true}, {2, false}, {128, false}};
    for (auto [status, battery] : cases) {
        p.system.acLineStatus = static_cast<std::uint8_t>(status);
        EXPECT_EQ(form.IsOnBattery(), battery) << status;
    }
}

TEST_F(TrayTest, ThePlainMessageHasNoIconAndTheApplicationTitle) {
    Start();
    ShowMessage(p.app, "プロセスを起動できませんでした。");
    ASSERT_EQ(p.app.boxes.size(), 1u);
    EXPECT_EQ(p.app.boxes[0].text, "プロセスを起動できませんでした。");
    EXPECT_EQ(p.app.boxes[0].caption, "Vantelo Plus");
    EXPECT_EQ(p.app.boxes[0].flags, 0u);
}

TEST_F(TrayTest, ShowErrorIsAnExclamationBoxCaptionedError) {
    Start().ShowError("Error ExitWindowEx");
    ASSERT_EQ(p.app.boxes.size(), 1u);
    EXPECT_EQ(p.app.boxes[0].text, "Error ExitWindowEx");
    EXPECT_EQ(p.app.boxes[0].caption, "エラー");
    EXPECT_EQ(p.app.boxes[0].flags, 48u);
}

}  // namespace
}  // namespace vnl
