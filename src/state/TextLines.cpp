// Splitting and joining the program's text files.
#include "state/TextLines.h"

#include "mapping/modFiles.h"

namespace plivant {

std::vector<std::string> SplitLines(std::string_view content) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < content.size()) {
        const auto end = content.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(content.substr(start));
            break;
        }
        lines.emplace_back(content.substr(start, end - start));
        start = end + 1;
        if (content[end] == '\r' && start < content.size() && content[start] == '\n') ++start;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string content;
    for (const auto& line : lines) content.append(line).append("\r\n");
    return content;
}

std::vector<std::string> LoadLinesOf(platform::IFileSystem& files, const std::string& path) {
    if (!FileExists(files, path)) return {};
    const auto content = files.ReadFile(path);
    return content ? SplitLines(*content) : std::vector<std::string>{};
}

}  // namespace plivant
