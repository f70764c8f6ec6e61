// The program entry of VNL.exe.
#include "platform/win32/Win32Api.h"

#include "app/Entry.h"
#include "platform/CommandLine.h"
#include "platform/win32/Win32Platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    vnl::win32::Win32Platform win32(instance);
    std::vector<std::string> args = vnl::ParseCommandLine(GetCommandLineA());
    if (!args.empty()) args.erase(args.begin());  // the program's own name
    return vnl::VanteloMain(args, win32.platform, win32.lock);
}
