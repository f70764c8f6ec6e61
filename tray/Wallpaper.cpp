// The wallpaper changer: the next bitmap of the wallpaper folder on the
// timer or from the menu, any bitmap from the submenu, and the memory of the
// current one across runs.
#include "platform/Exceptions.h"
#include "platform/File.h"
#include "tray/Ftool.h"

namespace vnl {

namespace {

const char* const kDesktopKey = "\\Control Panel\\desktop";
const char* const kWallpaperLog = "CWP.Log";
// The log's first line is read into a buffer of this size, NUL included.
constexpr int kLogLineBuffer = 255;

}  // namespace

void TFVNL::ChangeWallpaper(std::string name) {
    if (name.empty()) {
        const int n = FileList.Count();
        // An empty folder has nothing to choose from: no change at all.
        if (n == 0) return;
        if (FWallpaperTurn != 0) {
            FileList.SetItemIndex(m_random.Next() % n);
        } else {
            const int selected = FileList.ItemIndex();
            FileList.SetItemIndex(selected < n - 1 ? selected + 1 : 0);
        }
        TRegistry desktop(m_platform.registry);
        if (desktop.OpenKey(kDesktopKey, false)) {
            try {
                desktop.WriteString("TileWallpaper", FWallpaperView != 0 ? "1" : "0");
            } catch (const ERegistryError&) {
                // Like a desktop key that does not open: the wallpaper is
                // still set, with the flag the desktop has.
            }
        }
        name = FileList.Items(FileList.ItemIndex());
    }
    const std::string path = JoinPath(FileList.Directory(), name);
    m_platform.system.SystemParametersInfo(spi::SetDeskWallpaper, 0, path.c_str(), spi::UpdateIniFile);
}

void TFVNL::Tma_ChangerTimer() {
    if (K1->Checked()) return;
    if (IsOnBattery() && FChangerStopOnBattery) {
        K1->SetEnabled(false);
        return;
    }
    K1->SetEnabled(true);
    ChangeWallpaper("");
}

void TFVNL::K1Click() {
    K1->SetChecked(!K1->Checked());
    Tma_Changer.SetEnabled(!K1->Checked());
}

void TFVNL::A1Click() { ChangeWallpaper(""); }

void TFVNL::WPClick(TMenuItem& sender) {
    const int i = static_cast<int>(sender.Tag());
    if (i < 0 || i >= FileList.Count()) return;
    FileList.SetItemIndex(i);
    ChangeWallpaper(FileList.Items(i));
}

void TFVNL::BuildWallpaperMenu() {
    // The list is read again only when its folder changes, so the submenu
    // made from it stays valid until then; thousands of bitmaps would
    // otherwise be made into items at every popup.
    const std::uint64_t generation = FileList.Generation();
    if (WP == nullptr && generation == m_wallpaperMenuGeneration) return;
    I1->Clear();
    WP = nullptr;
    const int n = FileList.Count();
    for (int i = 0; i < n; ++i) {
        auto item = std::make_unique<TMenuItem>(std::string(), FileList.Items(i));
        item->SetTag(i);
        item->SetOnClick([this](TMenuItem& sender) { WPClick(sender); });
        I1->Add(std::move(item));
    }
    m_wallpaperMenuGeneration = generation;
}

std::string TFVNL::CurrentWallpaperLogPath() { return m_platform.files.ProgramFolder() + kWallpaperLog; }

void TFVNL::RestoreCurrentWallpaper() {
    std::string name;
    {
        UniqueFile log = OpenFile(CurrentWallpaperLogPath(), "rt");
        if (!log) return;
        char line[kLogLineBuffer];
        if (!std::fgets(line, sizeof line, log.get())) return;
        name = line;
    }
    const int n = FileList.Count();
    for (int i = 0; i < n; ++i)
        if (FileList.Items(i) == name) FileList.SetItemIndex(i);
}

void TFVNL::SaveCurrentWallpaper() {
    const int selected = FileList.ItemIndex();
    if (selected < 0) return;
    UniqueFile log = OpenFile(CurrentWallpaperLogPath(), "wt");
    if (!log) return;
    std::fprintf(log.get(), "%s", FileList.Items(selected).c_str());
}

}  // namespace vnl
