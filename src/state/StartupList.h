// The start-up list "mount.ini" beside the program: one drive TAB folder pair per line.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace plivant {

inline constexpr const char* kStartupListName = "mount.ini";

// What reading the list found. A file that FileExists does not see (missing, hidden or system) is absent; one
// that it sees but that cannot be opened or read to its end is unreadable, and must not be overwritten by a
// list built from nothing.
enum class ListFileState { Absent, Read, Unreadable };

struct StartupListContent {
    ListFileState state = ListFileState::Absent;
    std::vector<std::string> lines;  // as they stand; empty unless the file was read
};

StartupListContent ReadStartupList(platform::IFileSystem& files, const std::string& programFolder);

// The list's lines as they stand; empty when the file is absent or unreadable.
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
