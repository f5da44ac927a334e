// The set of ports one run of the program works with: the real ones in Plivant.exe, simulated ones in tests.
#pragma once
#include "platform/CodePage.h"
#include "platform/DosDevices.h"
#include "platform/FileSystem.h"
#include "platform/Process.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Windowing.h"

namespace plivant::platform {

struct Platform {
    IDosDevices& dosDevices;
    IFileSystem& files;
    IRegistry& registry;
    IProcess& process;
    IShell& shell;
    IWindowing& windowing;
    ICodePage& codePage;
};

}  // namespace plivant::platform
