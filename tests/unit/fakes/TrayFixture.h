// A tray window on the fake platform, for the tests of its tools.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

#include "fakes/Fakes.h"
#include "tray/Ftool.h"

namespace vnl::test {

// Opens the protected members the tests look at.
class TestFVNL : public TFVNL {
public:
    using TFVNL::IsOnBattery;
    using TFVNL::ShowError;
    using TFVNL::TFVNL;
};

class TrayTest : public ::testing::Test {
protected:
    TrayTest() {
        programDir = std::filesystem::temp_directory_path() /
                     ("vnl-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(programDir);
        p.files.programFolder = programDir.string() + "/";
    }
    ~TrayTest() override { std::filesystem::remove_all(programDir); }

    // Makes the window and runs its start-up, as the entry does.
    TestFVNL& Start() {
        p.app.SetTitle("Vantelo Plus");
        form = std::make_unique<TestFVNL>(p.platform);
        form->SetMainForm(true);
        form->FormCreate();
        return *form;
    }

    TMessage Send(std::uint32_t message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) {
        TMessage m{message, wParam, lParam, 0};
        DispatchGuarded(*form, m, p.app);
        return m;
    }
    // A press of the given mouse button on the icon.
    void Tray(std::uint32_t mouseMessage) { Send(WM_TRAYICON, kTrayIconId, static_cast<std::intptr_t>(mouseMessage)); }
    void OpenMenu() { Tray(msg::RButtonDown); }
    // Chooses a menu item as the real menu does: by its command.
    void Choose(TMenuItem& item) { Send(msg::Command, item.Command(), 0); }

    std::string LogFile() const { return (programDir / "CWP.Log").string(); }
    void WriteLog(const std::string& content) const { std::ofstream(LogFile(), std::ios::binary) << content; }
    std::optional<std::string> ReadLog() const {
        std::ifstream in(LogFile(), std::ios::binary);
        if (!in) return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::vector<std::string> Calls(std::initializer_list<const char*> prefixes) const {
        return test::Calls(p.log, prefixes);
    }

    FakePlatform p;
    std::filesystem::path programDir;
    std::unique_ptr<TestFVNL> form;
};

}  // namespace vnl::test
