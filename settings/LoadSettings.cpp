// Reading the settings into the tray window, at start and after the
// settings dialog was closed with OK.
#include "platform/Registry.h"
#include "settings/SettingsStore.h"
#include "tray/Ftool.h"

namespace vnl {

void TFVNL::LoadSettings() {
    using namespace settings;
    // A key that can be neither opened nor made reads as a key without
    // values; a value of another type than the program writes counts as
    // absent. Either way the defaults apply and nothing is reported.
    TRegistry reg(m_platform.registry);

    reg.OpenKey(kExplorerKey, true);
    FExplorerTree = reg.ReadBool(kTree).value_or(false);
    reg.CloseKey();

    reg.OpenKey(kChangerKey, true);
    Tma_Changer.SetEnabled(reg.ReadBool(kEnabled).value_or(false));
    K1->SetEnabled(Tma_Changer.Enabled());
    if (const auto path = reg.ReadString(kPath)) FileList.SetDirectory(*path);
    FChangerStopOnBattery = reg.ReadBool(kBattery).value_or(false);
    // Minutes to milliseconds in 32 unsigned bits, without a range check.
    const auto minutes = reg.ReadInteger(kTime);
    Tma_Changer.SetInterval(minutes ? static_cast<std::uint32_t>(*minutes) * kMinute : 0u);
    if (const auto view = reg.ReadInteger(kView)) FWallpaperView = *view;
    if (const auto turn = reg.ReadInteger(kTurn)) FWallpaperTurn = *turn;
    reg.CloseKey();

    reg.OpenKey(kEtcKey, true);
    FSaverStopOnBattery = reg.ReadBool(kSSBattery).value_or(false);
    FCheckFloppy = reg.ReadBool(kABChk).value_or(false);
}

}  // namespace vnl
