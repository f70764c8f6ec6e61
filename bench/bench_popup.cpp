// Prints what opening the tray menu costs with a large wallpaper folder and
// a full clipboard history: the first popup, which makes the wallpaper
// submenu, and the popups after it, which find it current.
#include <chrono>
#include <cstdio>
#include <string>

#include "fakes/Fakes.h"
#include "tray/Ftool.h"

using namespace vnl;

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::stoi(argv[1]) : 5000;
    test::FakePlatform p;
    p.menus.snapshots = false;
    auto& entries = p.files.folders["C:\\Walls"];
    for (int i = 0; i < files; ++i) entries.push_back({"wallpaper " + std::to_string(i) + ".bmp", fa::Archive});
    p.registry.SetString("Software\\hkr\\VNL\\Changer", "Path", "C:\\Walls");
    p.files.programFolder = "/nonexistent/";

    TFVNL form(p.platform);
    form.FormCreate();
    for (int i = 0; i < 15; ++i) {
        p.clipboard.text = std::string(100000, static_cast<char>('a' + i));
        TMessage m{msg::DrawClipboard, 0, 0, 0};
        form.Dispatch(m);
    }

    auto popup = [&] {
        const auto start = std::chrono::steady_clock::now();
        TMessage m{WM_TRAYICON, kTrayIconId, msg::RButtonDown, 0};
        form.Dispatch(m);
        return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    };
    const double first = popup();
    const int rounds = 200;
    double later = 0;
    for (int i = 0; i < rounds; ++i) later += popup();
    std::printf("wallpapers: %d, history: 15 x 100000 bytes\n", files);
    std::printf("first popup (reads the folder, builds the submenu): %.1f us\n", first);
    std::printf("later popups (mean of %d): %.1f us\n", rounds, later / rounds);
    return 0;
}
