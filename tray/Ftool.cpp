#include "tray/Ftool.h"

#include <cstring>

namespace vnl {

namespace {

// Closes the tray gate for the life of a modal dialog, also when the dialog
// ends by an exception, so that the icon never stays dead.
class TrayGateClosed {
public:
    TrayGateClosed(bool& gate, const TForm& form) : m_gate(gate), m_form(form) { m_gate = false; }
    ~TrayGateClosed() {
        if (!m_form.Closed()) m_gate = true;
    }
    TrayGateClosed(const TrayGateClosed&) = delete;
    TrayGateClosed& operator=(const TrayGateClosed&) = delete;

private:
    bool& m_gate;
    const TForm& m_form;
};

constexpr unsigned kPopupFlags = 2;  // TPM_LEFTALIGN | TPM_RIGHTBUTTON

}  // namespace

TFVNL::TFVNL(Platform& platform)
    : TForm(platform.app, platform.windows, "TFVNL", "Vantelo Plus"),
      PMenu(platform.menus, "PMenu"),
      Tma_Changer(platform.timers, false, 0),
      FileList(platform.files, "*.BMP"),
      Tma_SYSTEM(platform.timers, true, 1000),
      m_platform(platform) {
    BuildMenu();
    AddMenu(PMenu);
    Tma_Changer.SetOnTimer([this] { Tma_ChangerTimer(); });
}

TFVNL::~TFVNL() = default;

void TFVNL::BuildMenu() {
    auto add = [](TMenuItem& parent, const char* name, const char* caption) -> TMenuItem* {
        return &parent.Add(std::make_unique<TMenuItem>(name, caption));
    };
    TMenuItem& top = PMenu.Items();
    M1 = add(top, "M1", "ﾏｲｺﾝﾋﾟｭｰﾀ(&M)");
    n2 = add(top, "n2", "ﾈｯﾄﾜｰｸｺﾝﾋﾟｭｰﾀ(&N)");
    N1 = add(top, "N1", "ｺﾝﾄﾛｰﾙﾊﾟﾈﾙ(&C)");
    P1 = add(top, "P1", "ﾌﾟﾘﾝﾀ(&P)");
    D1 = add(top, "D1", "ｺﾞﾐ箱(&G)");
    N7 = add(top, "N7", "-");
    D2 = add(top, "D2", "ﾄﾞﾗｲﾌﾞ(&D)");
    DRV = add(*D2, "DRV", "- A -");
    N13 = add(top, "N13", "-");
    S1 = add(top, "S1", "ﾂｰﾙ(&S)");
    B1 = add(*S1, "B1", "ｽｸﾘｰﾝｷｬﾌﾟﾁｬｰ(&B)");
    H1 = add(*S1, "H1", "画面のﾊｰﾄﾞｺﾋﾟｰ(&H)");
    N16 = add(*S1, "N16", "-");
    S2 = add(*S1, "S2", "ｽﾄｯﾌﾟｳｫｯﾁ(&S)");
    N8 = add(*S1, "N8", "-");
    D3 = add(*S1, "D3", "電卓(&D)");
    M2 = add(*S1, "M2", "ﾒﾓ帳(&M)");
    IPI1 = add(*S1, "IPI1", "IP設定(&I)");
    N15 = add(*S1, "N15", "-");
    N14 = add(*S1, "N14", "テスト");
    N9 = add(top, "N9", "-");
    R1 = add(top, "R1", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ履歴(&E )");
    Record = add(*R1, "Record", "");
    N6 = add(top, "N6", "-");
    W1 = add(top, "W1", "ｽｸﾘｰﾝｾｰﾊﾞｰ起動(&W)");
    N4 = add(top, "N4", "-");
    T2 = add(top, "T2", "一時停止(&T)");
    T1 = add(*T2, "T1", "ｽｸﾘｰﾝｾｰﾊﾞｰ一時停止(&T)");
    K1 = add(*T2, "K1", "壁紙ﾁｪﾝｼﾞｬｰ一時停止(&K)");
    N12 = add(top, "N12", "-");
    A1 = add(top, "A1", "壁紙変更(&Z)");
    I1 = add(top, "I1", "壁紙指定(&I)");
    WP = add(*I1, "WP", "");
    N5 = add(top, "N5", "-");
    WindowsS1 = add(top, "WindowsS1", "Windowsｼｬｯﾄﾀﾞｳﾝ(&S)");
    WindowsR1 = add(top, "WindowsR1", "Windows再起動(&R)");
    WindowsL1 = add(top, "WindowsL1", "Windowsﾛｸﾞｵﾌ(&L)");
    N3 = add(top, "N3", "-");
    VanteloPlusA1 = add(top, "VanteloPlusA1", "Vantelo Plus設定(&A)...");
    N11 = add(top, "N11", "-");
    About1 = add(top, "About1", "ﾊﾞｰｼﾞｮﾝ情報(&V)...");
    N10 = add(top, "N10", "-");
    VanteloPlusX1 = add(top, "VanteloPlusX1", "Vantelo Plus終了(&X)");

    N14->SetVisible(false);
    N15->SetVisible(false);

    VanteloPlusA1->SetOnClick([this](TMenuItem&) { VanteloPlusA1Click(); });
    VanteloPlusX1->SetOnClick([this](TMenuItem&) { VanteloPlusX1Click(); });
    K1->SetOnClick([this](TMenuItem&) { K1Click(); });
    A1->SetOnClick([this](TMenuItem&) { A1Click(); });
    WP->SetOnClick([this](TMenuItem& item) { WPClick(item); });
    Record->SetOnClick([this](TMenuItem& item) { RecordClick(item); });
}

void TFVNL::FormCreate() {
    AddTrayIcon();
    LoadSettings();
    FTrayEnabled = true;
    JoinClipboardChain();
    SetToolPaths();
    RestoreCurrentWallpaper();
}

void TFVNL::FormClose() {
    FTrayEnabled = false;
    LeaveClipboardChain();
    SaveCurrentWallpaper();
    m_platform.system.SystemParametersInfo(spi::SetScreenSaveActive, 1, nullptr, spi::UpdateIniFile);
    NotifyIconData removal;
    removal.cbSize = 88;
    removal.hWnd = Handle();
    removal.uID = kTrayIconId;
    removal.uFlags = 0;
    m_platform.system.ShellNotifyIcon(nim::Delete, removal);
    m_iconShown = false;
}

void TFVNL::AddTrayIcon() {
    m_trayRecord = NotifyIconData{};
    m_trayRecord.cbSize = 88;
    m_trayRecord.hWnd = Handle();
    m_trayRecord.uID = kTrayIconId;
    m_trayRecord.uFlags = 7;  // NIF_MESSAGE | NIF_ICON | NIF_TIP
    m_trayRecord.uCallbackMessage = WM_TRAYICON;
    m_trayRecord.hIcon = m_platform.app.Icon();
    std::strncpy(m_trayRecord.szTip, "Vantelo Plus", sizeof m_trayRecord.szTip - 1);
    m_platform.system.ShellNotifyIcon(nim::Add, m_trayRecord);
    m_iconShown = true;
}

void TFVNL::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case msg::QueryEndSession:
        WMQueryEndSession(m);
        return;
    case msg::DrawClipboard:
        WMDrawClipboard(m);
        return;
    case msg::ChangeCBChain:
        WMChangeCBChain(m);
        return;
    case WM_TRAYICON:
        WMTrayIcon(m);
        return;
    default:
        break;
    }
    // A new taskbar (the shell was restarted) has forgotten the icon.
    const std::uint32_t taskbarCreated = m_platform.system.TaskbarCreatedMessage();
    if (taskbarCreated != 0 && m.Msg == taskbarCreated) {
        if (m_iconShown) m_platform.system.ShellNotifyIcon(nim::Add, m_trayRecord);
        return;
    }
    DefaultHandler(m);
}

void TFVNL::WMTrayIcon(TMessage& m) {
    if (!FTrayEnabled) return;
    switch (static_cast<std::uint32_t>(m.LParam)) {
    case msg::LButtonDown:
    case msg::RButtonDown: {
        const Point p = m_platform.system.GetCursorPos();
        m_platform.system.SetForegroundWindow(Handle());
        BuildDriveMenu();
        UpdateToolItems();
        BuildWallpaperMenu();
        BuildClipboardMenu();
        PMenu.Popup(Handle(), p.x, p.y, kPopupFlags);
        break;
    }
    case msg::LButtonDblClk:
        VanteloPlusA1Click();
        break;
    default:
        break;
    }
}

void TFVNL::WMQueryEndSession(TMessage& m) {
    m.Result = 1;
    m_platform.system.PostMessage(Handle(), msg::Close, 0, 0);
}

void TFVNL::VanteloPlusA1Click() {
    TrayGateClosed gate(FTrayEnabled, *this);
    if (m_settingsDialog && m_settingsDialog() == mb::IdOk) LoadSettings();
}

void TFVNL::VanteloPlusX1Click() { Close(); }

void TFVNL::ShowError(std::string text) { m_platform.app.MessageBox(text, "エラー", mb::Ok | mb::IconExclamation); }

bool TFVNL::IsOnBattery() {
    // 0 is off line and 255 means the status is not reported; any value
    // Windows does not define counts as mains power, so that a driver's
    // stray answer never holds the tools.
    const std::uint8_t status = m_platform.system.ACLineStatus();
    return status == 0 || status == 255;
}

}  // namespace vnl
