// Splitting the program's text files into lines.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace plivant {

// The lines of a text: CR LF, a lone CR and a lone LF each end a line; a last line without an end is kept;
// the line ends themselves are dropped. Any other unit (NUL included) stays in its line. The same for bytes and
// for UTF-16 code units, whose line ends are the same numbers.
template <typename Char>
std::vector<std::basic_string<Char>> SplitLinesOf(std::basic_string_view<Char> content) {
    std::vector<std::basic_string<Char>> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = start;
        while (end < content.size() && content[end] != Char('\r') && content[end] != Char('\n')) ++end;
        lines.emplace_back(content.substr(start, end - start));
        if (end == content.size()) break;
        start = end + 1;
        if (content[end] == Char('\r') && start < content.size() && content[start] == Char('\n')) ++start;
    }
    return lines;
}

inline std::vector<std::string> SplitLines(std::string_view content) {
    return SplitLinesOf(content);
}

}  // namespace plivant
