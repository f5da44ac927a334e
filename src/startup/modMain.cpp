// The entry routine.
#include "startup/modMain.h"

#include "mapping/modFiles.h"
#include "mapping/mod_DriveInfo.h"
#include "mapping/mod_Subst.h"
#include "state/StartupList.h"
#include "util/ErrorPolicy.h"

namespace plivant {

namespace {

std::string g_programFolder;
std::string g_commandLine;

constexpr const char* kStartupSwitch = "/ini";

}  // namespace

const std::string& ProgramFolder() {
    return g_programFolder;
}
const std::string& CommandLine() {
    return g_commandLine;
}

void MountStartupList(platform::Platform& platform) {
    // A partial list is mapped too: only the lines that could not be brought into the ANSI code page are skipped.
    for (const auto& line : ReadStartupList(platform.files, platform.codePage, g_programFolder).lines) {
        SkipOnError([&] {
            const auto pair = ParseStartupLine(line);
            if (!pair || !FolderExists(platform.files, pair->folder)) return;
            // A letter in use (a disk, a network drive, a folder mapped before, the same one included) is left as it
            // is: a definition would stack over it and hide that drive for the whole log-on session.
            if (DriveExists(platform.dosDevices, pair->drive)) return;
            DefineDrive(platform.dosDevices, pair->drive, GetShortPath(platform.files, pair->folder), 0);
        });
    }
}

void Main(platform::Platform& platform, StartupWindows& windows) {
    if (platform.process.PreviousInstanceRunning()) {
        platform.process.EndProcess();
        return;
    }
    SkipOnError([&] {
        g_programFolder = platform.process.ProgramFolder();
        if (g_programFolder.empty() || g_programFolder.back() != '\\') g_programFolder.push_back('\\');
    });
    SkipOnError([&] { g_commandLine = platform.process.CommandLineArguments(); });
    SkipOnError([&] { windows.ShowSplash(); });

    if (g_commandLine == kStartupSwitch) {
        MountStartupList(platform);
    } else if (!g_commandLine.empty() && g_commandLine.front() == '-') {
        SkipOnError([&] { RemoveDrive(platform.dosDevices, g_commandLine.substr(1)); });
        platform.process.EndProcess();
    } else if (!g_commandLine.empty()) {
        SkipOnError([&] { windows.ShowMainWindowWithPath(g_commandLine); });
    } else {
        SkipOnError([&] { windows.ShowMainWindowWithMountDisabled(); });
    }
}

}  // namespace plivant
