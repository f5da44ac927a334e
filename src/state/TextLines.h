// Splitting the program's text files into lines.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace plivant {

// The lines of a text: CR LF, a lone CR and a lone LF each end a line; a last line without an end is kept;
// the line ends themselves are dropped. Any other byte (NUL included) stays in its line.
std::vector<std::string> SplitLines(std::string_view content);

// The lines joined back the way the program writes them: each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace plivant
