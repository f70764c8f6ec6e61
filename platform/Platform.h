// Every service of the platform the program's logic reaches, in one place.
#pragma once

#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/FileSystem.h"
#include "platform/Form.h"
#include "platform/Menu.h"
#include "platform/Registry.h"
#include "platform/System.h"
#include "platform/Timer.h"

namespace vnl {

struct Platform {
    IApplication& app;
    IWindowHost& windows;
    IMenuHost& menus;
    ITimerHost& timers;
    ISystem& system;
    IClipboard& clipboard;
    IRegistryStore& registry;
    IFileSystem& files;
};

}  // namespace vnl
