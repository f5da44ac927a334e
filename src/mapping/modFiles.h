// Path and file helpers shared by the start-up run, the windows and the link label.
#pragma once
#include <cstdint>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/Windowing.h"

namespace plivant {

// The short (8.3) form of an existing path; empty when the system cannot give it.
std::string GetShortPath(platform::IFileSystem& files, const std::string& path);

// True when the path (a pattern: wildcards match) finds a normal file: directories, hidden and system
// entries do not count; read-only and archive files do.
bool FileExists(platform::IFileSystem& files, const std::string& path);

// True when the path names an existing directory; never for a path longer than the system's longest (32,767).
bool FolderExists(platform::IFileSystem& files, const std::string& path);

// The path ("X:\..." form) with every component as the file system spells it, long form; the drive root
// gives the letter and colon alone; empty when a component does not exist.
std::string GetLongPath(platform::IFileSystem& files, const std::string& path);

// Opens the target with its associated program.
void ShellOpen(platform::IShell& shell, platform::WindowHandle owner, const std::string& target, int32_t show);

// One tab stop at 16 dialog units for a list box.
void SetListTabStops(platform::IWindowing& windowing, platform::WindowHandle listBox);

}  // namespace plivant
