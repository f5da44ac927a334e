// The history of mounted folders, "Plivant.ini" beside the program: one folder path per line, oldest first.
#pragma once
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace plivant {

inline constexpr const char* kHistoryName = "Plivant.ini";

// Every line, in file order; empty when the file is missing or unreadable.
std::vector<std::string> LoadHistory(platform::IFileSystem& files, const std::string& programFolder);

// Appends the path and CR LF, creating the file when missing. False when nothing could be written.
bool AppendHistory(platform::IFileSystem& files, const std::string& programFolder, const std::string& path);

// Deletes the file when it exists. False when it exists and could not be deleted.
bool ClearHistory(platform::IFileSystem& files, const std::string& programFolder);

}  // namespace plivant
