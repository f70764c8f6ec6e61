#include "fakes/TrayFixture.h"

namespace vnl {
namespace {

using test::TrayTest;

const std::string kExplorer = "Software\\hkr\\VNL\\Explorer";
const std::string kChanger = "Software\\hkr\\VNL\\Changer";
const std::string kEtc = "Software\\hkr\\VNL\\ETC";

class Settings : public TrayTest {
protected:
    // Reloads as an OK of the settings dialog does.
    void Reload() {
        form->SetSettingsDialog([] { return 1; });
        form->VanteloPlusA1Click();
    }
};

TEST_F(Settings, FirstStartCreatesTheKeysAndTakesTheDefaults) {
    TFVNL& form = Start();
    for (const std::string& key : {kExplorer, kChanger, kEtc}) {
        EXPECT_TRUE(p.registry.HasKey(key)) << key;
        EXPECT_TRUE(p.registry.keys[test::MemoryRegistry::Norm(key)].empty()) << key << " is created empty";
    }
    EXPECT_FALSE(form.Tma_Changer.Enabled());
    EXPECT_EQ(form.Tma_Changer.Interval(), 0u);
    EXPECT_FALSE(form.K1->Enabled());
    EXPECT_FALSE(form.ExplorerTree());
    EXPECT_FALSE(form.ChangerStopOnBattery());
    EXPECT_FALSE(form.SaverStopOnBattery());
    EXPECT_FALSE(form.CheckFloppy());
    EXPECT_EQ(form.WallpaperView(), 0);
    EXPECT_EQ(form.WallpaperTurn(), 0);
    EXPECT_EQ(form.FileList.Directory(), "C:\\Program Files\\Vantelo");
    EXPECT_TRUE(p.app.boxes.empty());
}

TEST_F(Settings, EveryValueReachesItsField) {
    p.files.folders["D:\\Walls"] = {};
    p.registry.SetDword(kExplorer, "Tree", 1);
    p.registry.SetDword(kChanger, "Enabled", 5);
    p.registry.SetString(kChanger, "Path", "D:\\Walls\\");
    p.registry.SetDword(kChanger, "Battery", 1);
    p.registry.SetDword(kChanger, "Time", 1);
    p.registry.SetDword(kChanger, "View", 7);
    p.registry.SetDword(kChanger, "Turn", 0xFFFFFFFFu);
    p.registry.SetDword(kEtc, "SSBattery", 2);
    p.registry.SetDword(kEtc, "ABChk", 1);
    TFVNL& form = Start();
    EXPECT_TRUE(form.ExplorerTree());
    EXPECT_TRUE(form.Tma_Changer.Enabled()) << "any non-zero value is true";
    EXPECT_TRUE(form.Tma_Changer.Running());
    EXPECT_TRUE(form.K1->Enabled());
    EXPECT_EQ(form.FileList.Directory(), "D:\\Walls");
    EXPECT_TRUE(form.ChangerStopOnBattery());
    EXPECT_EQ(form.Tma_Changer.Interval(), 60000u);
    EXPECT_EQ(form.WallpaperView(), 7);
    EXPECT_EQ(form.WallpaperTurn(), -1);
    EXPECT_TRUE(form.SaverStopOnBattery());
    EXPECT_TRUE(form.CheckFloppy());
}

TEST_F(Settings, TimeBecomesMillisecondsIn32Bits) {
    const std::pair<std::optional<std::uint32_t>, std::uint32_t> cases[] = {
        {1u, 60000u}, {60u, 3600000u}, {0u, 0u}, {0xFFFFFFFFu, 4294907296u}, {std::nullopt, 0u}};
    for (auto [time, interval] : cases) {
        test::FakePlatform q;
        q.files.programFolder = p.files.programFolder;
        q.registry.SetDword(kChanger, "Enabled", 1);
        if (time) q.registry.SetDword(kChanger, "Time", *time);
        TFVNL form(q.platform);
        form.FormCreate();
        EXPECT_EQ(form.Tma_Changer.Interval(), interval);
        EXPECT_TRUE(form.Tma_Changer.Enabled());
        EXPECT_EQ(form.Tma_Changer.Running(), interval != 0) << "interval 0 never fires";
    }
}

TEST_F(Settings, ValuesOfAnotherTypeCountAsAbsent) {
    p.files.folders["D:\\Walls"] = {};
    p.registry.SetString(kExplorer, "Tree", "1");
    p.registry.SetString(kChanger, "Enabled", "1");
    p.registry.SetDword(kChanger, "Path", 1);
    p.registry.SetString(kChanger, "Time", "5");
    p.registry.SetRaw(kChanger, "View", RegValue{reg::Binary, DwordBytes(1)});
    p.registry.SetRaw(kEtc, "ABChk", RegValue{reg::Binary, "\x01"});
    TFVNL& form = Start();
    EXPECT_FALSE(form.ExplorerTree());
    EXPECT_FALSE(form.Tma_Changer.Enabled());
    EXPECT_FALSE(form.K1->Enabled());
    EXPECT_EQ(form.FileList.Directory(), "C:\\Program Files\\Vantelo");
    EXPECT_EQ(form.Tma_Changer.Interval(), 0u);
    EXPECT_EQ(form.WallpaperView(), 0);
    EXPECT_FALSE(form.CheckFloppy());
    EXPECT_TRUE(p.app.boxes.empty()) << "no message";
}

TEST_F(Settings, AbsentViewAndTurnKeepWhatTheyHad) {
    p.registry.SetDword(kChanger, "View", 1);
    p.registry.SetDword(kChanger, "Turn", 1);
    TFVNL& form = Start();
    p.registry.keys[test::MemoryRegistry::Norm(kChanger)].clear();
    Reload();
    EXPECT_EQ(form.WallpaperView(), 1);
    EXPECT_EQ(form.WallpaperTurn(), 1);
}

TEST_F(Settings, AReloadRestartsTheCountdownOnlyOnAChange) {
    p.registry.SetDword(kChanger, "Enabled", 1);
    p.registry.SetDword(kChanger, "Time", 5);
    TFVNL& form = Start();
    const int starts = p.timers.starts;
    Reload();
    EXPECT_EQ(p.timers.starts, starts) << "same values: the countdown goes on";
    p.registry.SetDword(kChanger, "Time", 10);
    Reload();
    EXPECT_EQ(p.timers.starts, starts + 1);
    EXPECT_TRUE(p.timers.Find(600000u).has_value());
    p.registry.SetDword(kChanger, "Enabled", 0);
    Reload();
    EXPECT_FALSE(form.Tma_Changer.Running());
    EXPECT_FALSE(form.K1->Enabled());
}

TEST_F(Settings, AFolderThatIsEmptyTextOrMissing) {
    p.registry.SetString(kChanger, "Path", "");
    p.registry.SetDword(kEtc, "ABChk", 1);
    TFVNL& form = Start();
    EXPECT_EQ(form.FileList.Directory(), "C:\\Program Files\\Vantelo") << "empty text keeps the folder";

    // A folder that is gone: an empty list, and the rest of the load runs.
    p.registry.SetString(kChanger, "Path", "Z:\\Gone\\");
    p.registry.SetDword(kEtc, "ABChk", 0);
    Reload();
    EXPECT_EQ(form.FileList.Count(), 0);
    EXPECT_EQ(form.FileList.ItemIndex(), -1);
    EXPECT_FALSE(form.CheckFloppy());
    EXPECT_TRUE(form.TrayEnabled());
}

TEST_F(Settings, AKeyThatCannotBeOpenedGivesTheDefaults) {
    p.registry.SetDword(kChanger, "Enabled", 1);
    p.registry.SetDword(kEtc, "ABChk", 1);
    p.registry.failing.insert(test::MemoryRegistry::Norm(kChanger));
    TFVNL& form = Start();
    EXPECT_FALSE(form.Tma_Changer.Enabled());
    EXPECT_TRUE(form.CheckFloppy()) << "the other keys are still read";
    EXPECT_EQ(p.registry.OpenKeys(), 0u) << "every key is closed again";
}

}  // namespace
}  // namespace vnl
