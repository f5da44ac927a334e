// The entry routine.
#include "startup/modMain.h"

#include "mapping/modFiles.h"
#include "mapping/mod_DriveInfo.h"
#include "mapping/mod_Subst.h"
#include "state/StartupList.h"
#include "state/TextEncoding.h"
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
    // A partial list is mapped too: only the lines that could not be read are skipped.
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
    // The system hands the folder and the command line over in UTF-16: on a legacy code page that cannot hold a
    // folder's name, its short form stands for it.
    SkipOnError([&] {
        const std::u16string folder = platform.process.ProgramFolder();
        g_programFolder = InProcessPage(platform.codePage, platform.files, folder).value_or("");
        if (g_programFolder.empty() || g_programFolder.back() != '\\') g_programFolder.push_back('\\');
    });
    bool refused = false;
    SkipOnError([&] {
        const std::u16string given = platform.process.CommandLineArguments();
        const auto named = InProcessPage(platform.codePage, platform.files, given);
        // A folder without such a form is refused as a mapping would be; a removal run's letter beyond ASCII names no
        // drive.
        refused = !named;
        g_commandLine = named ? *named : given.starts_with(u'-') ? "-" : "";
    });
    SkipOnError([&] { windows.ShowSplash(); });

    if (g_commandLine == kStartupSwitch) {
        MountStartupList(platform);
    } else if (!g_commandLine.empty() && g_commandLine.front() == '-') {
        SkipOnError([&] { RemoveDrive(platform.dosDevices, g_commandLine.substr(1)); });
        platform.process.EndProcess();
    } else if (!g_commandLine.empty()) {
        SkipOnError([&] { windows.ShowMainWindowWithPath(g_commandLine); });
    } else {
        SkipOnError([&] { windows.ShowMainWindowWithMountDisabled(refused); });
    }
}

}  // namespace plivant
