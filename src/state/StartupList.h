// The start-up list "mount.ini" beside the program: one drive TAB folder pair per line.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace plivant {

inline constexpr const char* kStartupListName = "mount.ini";

// The list's lines as they stand; empty when the file is missing, not seen by FileExists (hidden or system)
// or cannot be read.
std::vector<std::string> LoadStartupList(platform::IFileSystem& files, const std::string& programFolder);

// Writes the rows, each followed by CR LF, replacing the file atomically: a failed write leaves the old list.
bool SaveStartupList(platform::IFileSystem& files, const std::string& programFolder,
                     const std::vector<std::string>& rows);

// A start-up line taken apart at its TABs: the drive text and the folder; nullopt when there is no folder
// field. Fields are taken as they stand; a third and further fields are ignored.
struct StartupPair {
    std::string drive;
    std::string folder;
};
std::optional<StartupPair> ParseStartupLine(const std::string& line);

}  // namespace plivant
