// The history of mounted folders, "Plivant.ini" beside the program: one folder path per line, oldest first.
#pragma once
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace plivant {

inline constexpr const char* kHistoryName = "Plivant.ini";

// Every line, in file order, in the process code page (see DecodeLines: a line it cannot bring over is left out);
// empty when the file is missing or unreadable.
std::vector<std::string> LoadHistory(platform::IFileSystem& files, platform::ICodePage& codePage,
                                     const std::string& programFolder);

// Appends the path as EncodeLine writes it, and CR LF, creating the file when missing. False when nothing could be
// written.
bool AppendHistory(platform::IFileSystem& files, platform::ICodePage& codePage, const std::string& programFolder,
                   const std::string& path);

// Deletes the file when it exists. False when it exists and could not be deleted.
bool ClearHistory(platform::IFileSystem& files, const std::string& programFolder);

}  // namespace plivant
