// TFVNL: the hidden main form that owns every tool. Its only visible
// presence is the notification icon and the popup menu it opens.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/FileList.h"
#include "platform/Form.h"
#include "platform/Menu.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/Timer.h"

namespace vnl {

// The icon's callback message and id.
constexpr std::uint32_t WM_TRAYICON = msg::User + 1;
constexpr std::uint32_t kTrayIconId = 100;

class TFVNL : public TForm {
public:
    explicit TFVNL(Platform& platform);
    ~TFVNL() override;

    void FormCreate();
    void Dispatch(TMessage& m) override;

    // Modal dialogs the form opens; each returns its modal result (1 = OK).
    using DialogRunner = std::function<int()>;
    void SetSettingsDialog(DialogRunner run) { m_settingsDialog = std::move(run); }

    // Message handlers.
    void WMTrayIcon(TMessage& m);
    void WMQueryEndSession(TMessage& m);
    void WMDrawClipboard(TMessage& m);
    void WMChangeCBChain(TMessage& m);

    // Menu and timer handlers.
    void VanteloPlusA1Click();
    void VanteloPlusX1Click();
    void Tma_ChangerTimer();
    void K1Click();
    void A1Click();
    void WPClick(TMenuItem& sender);
    void RecordClick(TMenuItem& sender);

    // Components, in the order of their declaration.
    TPopupMenu PMenu;
    TMenuItem* N1 = nullptr;
    TMenuItem* M1 = nullptr;
    TMenuItem* P1 = nullptr;
    TMenuItem* D1 = nullptr;
    TMenuItem* N3 = nullptr;
    TMenuItem* About1 = nullptr;
    TMenuItem* VanteloPlusX1 = nullptr;
    TMenuItem* N5 = nullptr;
    TMenuItem* n2 = nullptr;
    TMenuItem* VanteloPlusA1 = nullptr;
    TMenuItem* N10 = nullptr;
    TTimer Tma_Changer;
    TFileListBox FileList;
    TMenuItem* N4 = nullptr;
    TMenuItem* N6 = nullptr;
    TMenuItem* W1 = nullptr;
    TMenuItem* D2 = nullptr;
    TMenuItem* DRV = nullptr;
    TMenuItem* N7 = nullptr;
    TMenuItem* N11 = nullptr;
    TMenuItem* N13 = nullptr;
    TMenuItem* N12 = nullptr;
    TMenuItem* A1 = nullptr;
    TMenuItem* I1 = nullptr;
    TMenuItem* WP = nullptr;
    TListBox Lst_MailID;
    TListBox Lst_NewMailID;
    TTimer Tma_SYSTEM;
    TMenuItem* T2 = nullptr;
    TMenuItem* T1 = nullptr;
    TMenuItem* K1 = nullptr;
    TMenuItem* S1 = nullptr;
    TMenuItem* B1 = nullptr;
    TMenuItem* H1 = nullptr;
    TMenuItem* WindowsS1 = nullptr;
    TMenuItem* WindowsR1 = nullptr;
    TMenuItem* WindowsL1 = nullptr;
    TMenuItem* N8 = nullptr;
    TMenuItem* D3 = nullptr;
    TMenuItem* M2 = nullptr;
    TMenuItem* IPI1 = nullptr;
    TListBox ClipData;
    TMenuItem* N9 = nullptr;
    TMenuItem* R1 = nullptr;
    TMenuItem* Record = nullptr;
    TMenuItem* N14 = nullptr;
    TMenuItem* N15 = nullptr;
    TMenuItem* N16 = nullptr;
    TMenuItem* S2 = nullptr;

    // Read access for the tools' callers and tests.
    bool TrayEnabled() const { return FTrayEnabled; }
    bool ExplorerTree() const { return FExplorerTree; }
    std::int32_t WallpaperView() const { return FWallpaperView; }
    std::int32_t WallpaperTurn() const { return FWallpaperTurn; }
    bool ChangerStopOnBattery() const { return FChangerStopOnBattery; }
    bool SaverStopOnBattery() const { return FSaverStopOnBattery; }
    bool CheckFloppy() const { return FCheckFloppy; }
    WindowHandle NextViewer() const { return FNextViewer; }

protected:
    void FormClose() override;
    // The program's own error box, for failures a handler reports itself.
    void ShowError(std::string text);
    // True while the machine runs on battery.
    bool IsOnBattery();

private:
    void BuildMenu();
    void AddTrayIcon();

    void LoadSettings();

    void ChangeWallpaper(std::string name);
    void BuildWallpaperMenu();
    std::string CurrentWallpaperLogPath();
    void RestoreCurrentWallpaper();
    void SaveCurrentWallpaper();

    void JoinClipboardChain();
    void LeaveClipboardChain();
    void BuildClipboardMenu();

    void BuildDriveMenu();
    void UpdateToolItems();
    void SetToolPaths();

    Platform& m_platform;

    // Private fields, in the order of their declaration.
    bool FExplorerTree = false;
    std::int32_t FWallpaperView = 0;
    std::int32_t FWallpaperTurn = 0;
    std::array<char, 30> FDriveLetters{};
    bool FChangerStopOnBattery = false;
    bool FSaverStopOnBattery = false;
    bool FCheckFloppy = false;
    bool FTrayEnabled = false;
    std::string FWindowsDir;
    std::string FCalcPath;
    std::string FNotepadPath;
    std::string FIpConfigPath;
    WindowHandle FNextViewer = 0;

    NotifyIconData m_trayRecord;
    bool m_iconShown = false;
    DialogRunner m_settingsDialog;
    TRandom m_random;
    // The list generation the wallpaper submenu was last built from; the
    // submenu is made anew only when the list was read again.
    std::uint64_t m_wallpaperMenuGeneration = 0;
};

}  // namespace vnl
