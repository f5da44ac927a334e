// Splitting the program's text files into lines.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace plivant {

// The lines of a text: CR LF, a lone CR and a lone LF each end a line; a last line without an end is kept;
// the line ends themselves are dropped. Any other byte (NUL included) stays in its line.
std::vector<std::string> SplitLines(std::string_view content);

// The lines joined back the way the program writes them: each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// The lines of a file that FileExists sees; empty when it is missing, hidden, system or unreadable.
std::vector<std::string> LoadLinesOf(platform::IFileSystem& files, const std::string& path);

}  // namespace plivant
