// The start-up list "mount.ini" beside the program: one drive TAB folder pair per line.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace plivant {

inline constexpr const char* kStartupListName = "mount.ini";

// What reading the list found. A missing file is absent. A file that FileExists does not see for its hidden or
// system attribute is hidden: the start-up run passes over it, but it holds the user's list and must not be
// overwritten by one built from nothing. One that FileExists sees but that cannot be opened or read to its end is
// unreadable, and must not be overwritten either. A file whose lines are not all brought into the process code page
// (a malformed or cut-off line; on a legacy code page, a folder in another script without a short name) is partial:
// its other lines are read, and it must not be overwritten, since writing would lose the lines left out.
enum class ListFileState { Absent, Read, Unreadable, Partial, Hidden };

struct StartupListContent {
    ListFileState state = ListFileState::Absent;
    std::vector<std::string> lines;  // in the process code page; empty unless read or partial
};

// Reads the list in whatever encoding it or another program wrote it (see DecodeLines).
StartupListContent ReadStartupList(platform::IFileSystem& files, platform::ICodePage& codePage,
                                   const std::string& programFolder);

// Writes the rows, each as EncodeLine writes it and followed by CR LF, replacing the file atomically: a failed write
// leaves the old list.
bool SaveStartupList(platform::IFileSystem& files, platform::ICodePage& codePage, const std::string& programFolder,
                     const std::vector<std::string>& rows);

// A start-up line taken apart at its TABs: the drive text and the folder; nullopt when there is no folder
// field. Fields are taken as they stand; a third and further fields are ignored.
struct StartupPair {
    std::string drive;
    std::string folder;
};
std::optional<StartupPair> ParseStartupLine(const std::string& line);

}  // namespace plivant
