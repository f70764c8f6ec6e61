#include "fakes/TrayFixture.h"

namespace vnl {
namespace {

const std::string kChanger = "Software\\hkr\\VNL\\Changer";
const std::string kDesktop = "Control Panel\\desktop";

class Wallpaper : public test::TrayTest {
protected:
    void SetUp() override {
        p.registry.SetString(kDesktop, "TileWallpaper", "0");
        UseFolder("C:\\Walls", {"c.bmp", "A.BMP", "b.bmp"});
    }
    void UseFolder(const std::string& folder, const std::vector<std::string>& files) {
        auto& entries = p.files.folders[folder];
        entries.clear();
        for (const std::string& f : files) entries.push_back({f, fa::Archive});
        p.registry.SetString(kChanger, "Path", folder);
    }
    void Changer(std::uint32_t enabled, std::uint32_t minutes, std::uint32_t battery = 0) {
        p.registry.SetDword(kChanger, "Enabled", enabled);
        p.registry.SetDword(kChanger, "Time", minutes);
        p.registry.SetDword(kChanger, "Battery", battery);
    }
    // The wallpapers set so far, by full path.
    std::vector<std::string> Set() const {
        std::vector<std::string> paths;
        for (const test::SpiCall& c : p.system.spi)
            if (c.action == spi::SetDeskWallpaper) {
                EXPECT_EQ(c.uiParam, 0u);
                EXPECT_EQ(c.winIni, 1u);
                paths.push_back(c.pvParam.value_or("<null>"));
            }
        return paths;
    }
    std::string Tile() const {
        const RegValue v = *p.registry.Get(kDesktop, "TileWallpaper");
        EXPECT_EQ(v.type, reg::Sz);
        return v.data;
    }
    void Tick() { p.timers.Fire(p.timers.running.begin()->first); }
};

TEST_F(Wallpaper, FileNameOrderWrapsAround) {
    Start();
    for (int i = 0; i < 4; ++i) Choose(*form->A1);
    EXPECT_EQ(Set(), (std::vector<std::string>{"C:\\Walls\\A.BMP", "C:\\Walls\\b.bmp", "C:\\Walls\\c.bmp",
                                               "C:\\Walls\\A.BMP"}));
    EXPECT_EQ(Tile(), std::string("0\0", 2));
}

TEST_F(Wallpaper, RandomOrderFollowsTheRuntimeGenerator) {
    std::vector<std::string> files;
    for (char c = '0'; c <= '9'; ++c) files.push_back(std::string("w") + c + ".bmp");
    UseFolder("C:\\Walls", files);
    p.registry.SetDword(kChanger, "Turn", 1);
    Changer(1, 1);
    Start();
    Choose(*form->A1);
    for (int i = 0; i < 5; ++i) Tick();
    std::vector<std::string> expected;
    for (int index : {6, 0, 2, 0, 6, 7}) expected.push_back("C:\\Walls\\w" + std::to_string(index) + ".bmp");
    EXPECT_EQ(Set(), expected);
}

TEST_F(Wallpaper, PathsFromTheFolder) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\", "C:\\a.bmp"},
        {"C:\\Walls\\", "C:\\Walls\\a.bmp"},
        // A folder ending in "表" (95 5C) still needs its backslash.
        {"C:\\壁紙表", "C:\\壁紙表\\a.bmp"},
    };
    for (auto [folder, path] : cases) {
        test::FakePlatform q;
        q.files.programFolder = p.files.programFolder;
        q.files.folders[folder == std::string("C:\\Walls\\") ? "C:\\Walls" : folder] = {{"a.bmp", 0}};
        q.registry.SetString(kChanger, "Path", folder);
        TFVNL f(q.platform);
        f.FormCreate();
        f.A1->Click();
        ASSERT_EQ(q.system.spi.size(), 1u) << folder;
        EXPECT_EQ(q.system.spi[0].pvParam, path);
    }
}

TEST_F(Wallpaper, TheTileFlagIsWrittenOnlyWhenTheNextEntryIsChosen) {
    p.registry.SetDword(kChanger, "View", 1);
    Changer(1, 1);
    Start();
    Tick();
    EXPECT_EQ(Tile(), std::string("1\0", 2));
    p.registry.SetString(kDesktop, "TileWallpaper", "0");
    Choose(*form->A1);
    EXPECT_EQ(Tile(), std::string("1\0", 2));

    p.registry.SetString(kDesktop, "TileWallpaper", "0");
    OpenMenu();
    Choose(form->I1->Items(0));
    EXPECT_EQ(Tile(), std::string("0\0", 2)) << "a submenu pick takes the flag as it is";
    EXPECT_EQ(Set().back(), "C:\\Walls\\A.BMP");

    // No desktop key: nothing is written, the wallpaper is still set.
    p.registry.keys.erase(test::MemoryRegistry::Norm(kDesktop));
    Choose(*form->A1);
    EXPECT_FALSE(p.registry.HasKey(kDesktop)) << "the key is not created";
    EXPECT_EQ(Set().size(), 4u);
}

TEST_F(Wallpaper, TheSubmenuListsEveryBitmapAndPicksOne) {
    Changer(1, 1);
    Start();
    OpenMenu();
    TMenuItem& i1 = *form->I1;
    ASSERT_EQ(i1.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(i1.Items(i).Tag(), i);
        EXPECT_TRUE(i1.Items(i).Enabled());
        EXPECT_FALSE(i1.Items(i).Checked());
    }
    EXPECT_EQ(i1.Items(1).Caption(), "b.bmp");
    Choose(i1.Items(1));
    EXPECT_EQ(form->FileList.ItemIndex(), 1);
    Tick();
    EXPECT_EQ(Set(), (std::vector<std::string>{"C:\\Walls\\b.bmp", "C:\\Walls\\c.bmp"}));
}

TEST_F(Wallpaper, TheSubmenuIsMadeAnewOnlyWhenTheFolderWasReadAgain) {
    Start();
    OpenMenu();
    const TMenuItem* first = &form->I1->Items(0);
    OpenMenu();
    EXPECT_EQ(&form->I1->Items(0), first) << "an unchanged list keeps its items";
    EXPECT_EQ(form->I1->Count(), 3);

    UseFolder("C:\\More", {"x.bmp"});
    form->SetSettingsDialog([] { return 1; });
    form->VanteloPlusA1Click();
    OpenMenu();
    ASSERT_EQ(form->I1->Count(), 1);
    EXPECT_EQ(form->I1->Items(0).Caption(), "x.bmp");
}

TEST_F(Wallpaper, PauseAndBatteryHold) {
    Changer(1, 5, 1);
    Start();
    EXPECT_TRUE(form->Tma_Changer.Running());
    // On battery with the hold on: greyed, no change.
    p.system.acLineStatus = 0;
    Tick();
    EXPECT_FALSE(form->K1->Enabled());
    EXPECT_TRUE(Set().empty());
    // Back on mains: enabled again and the wallpaper changes.
    p.system.acLineStatus = 1;
    Tick();
    EXPECT_TRUE(form->K1->Enabled());
    EXPECT_EQ(Set().size(), 1u);

    // Paused: the timer stops, the menu still changes the wallpaper.
    Choose(*form->K1);
    EXPECT_TRUE(form->K1->Checked());
    EXPECT_FALSE(form->Tma_Changer.Enabled());
    Choose(*form->A1);
    EXPECT_EQ(Set().size(), 2u);
    // A reload re-enables the timer; its ticks stay without effect.
    form->SetSettingsDialog([] { return 1; });
    form->VanteloPlusA1Click();
    EXPECT_TRUE(form->K1->Checked());
    ASSERT_TRUE(form->Tma_Changer.Running());
    Tick();
    EXPECT_EQ(Set().size(), 2u);
    // Resuming starts the countdown again.
    Choose(*form->K1);
    EXPECT_FALSE(form->K1->Checked());
    EXPECT_TRUE(form->Tma_Changer.Running());
}

TEST_F(Wallpaper, OnBatteryWithoutTheHoldTheChangerRuns) {
    Changer(1, 5, 0);
    p.system.acLineStatus = 255;
    Start();
    Tick();
    EXPECT_EQ(Set().size(), 1u);
    EXPECT_TRUE(form->K1->Enabled());
}

TEST_F(Wallpaper, AnEmptyFolderChangesNothing) {
    UseFolder("C:\\Empty", {"readme.txt"});
    for (std::uint32_t turn : {0u, 1u}) {
        p.registry.SetDword(kChanger, "Turn", turn);
        Changer(1, 1);
        Start();
        Choose(*form->A1);
        Tick();
        OpenMenu();
        EXPECT_EQ(form->I1->Count(), 0);
        EXPECT_TRUE(Set().empty());
        EXPECT_EQ(Tile(), std::string("0\0", 2));
        EXPECT_TRUE(p.app.boxes.empty());
    }
}

TEST_F(Wallpaper, TheCurrentWallpaperIsRememberedAcrossRuns) {
    const std::pair<std::optional<std::string>, const char*> cases[] = {
        {std::string("b.bmp"), "C:\\Walls\\c.bmp"},
        {std::string("b.bmp\n"), "C:\\Walls\\A.BMP"},
        {std::string("b.bmp\r\n"), "C:\\Walls\\A.BMP"},
        {std::string("B.BMP"), "C:\\Walls\\A.BMP"},
        {std::string(""), "C:\\Walls\\A.BMP"},
        {std::string(300, 'x'), "C:\\Walls\\A.BMP"},
        {std::nullopt, "C:\\Walls\\A.BMP"},
    };
    for (const auto& [log, next] : cases) {
        std::filesystem::remove(LogFile());
        if (log) WriteLog(*log);
        p.system.spi.clear();
        Start();
        Choose(*form->A1);
        EXPECT_EQ(Set(), std::vector<std::string>{next}) << log.value_or("<no file>");
    }
}

TEST_F(Wallpaper, QuitWritesTheNameOnlyWithASelection) {
    WriteLog("old.bmp");
    Start();
    Choose(*form->VanteloPlusX1);
    EXPECT_EQ(ReadLog(), "old.bmp") << "no selection: the file stays as it was";

    Start();
    Choose(*form->A1);
    Choose(*form->A1);
    Choose(*form->VanteloPlusX1);
    EXPECT_EQ(ReadLog(), "b.bmp") << "the name alone, no line end";

    // The next start goes on after it.
    p.system.spi.clear();
    Start();
    Choose(*form->A1);
    EXPECT_EQ(Set(), std::vector<std::string>{"C:\\Walls\\c.bmp"});
}

}  // namespace
}  // namespace vnl
