// The entry routine: single instance, program folder, command line, dispatch.
#pragma once
#include <string>

#include "platform/Platform.h"
#include "startup/StartupWindows.h"

namespace plivant {

// The folder that holds the program file, always with exactly one trailing backslash.
const std::string& ProgramFolder();
// The command-line argument text as the platform handed it over.
const std::string& CommandLine();

// Runs the program's start: a second instance ends at once; "/ini" maps the start-up list; "-X" removes
// the mappings of X and ends; any other text opens the main window with it, an empty one with the mount
// button disabled.
void Main(platform::Platform& platform, StartupWindows& windows);

// The start-up run: maps every valid pair of the start-up list whose letter is free, silently.
void MountStartupList(platform::Platform& platform);

}  // namespace plivant
