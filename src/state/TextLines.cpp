// Splitting and joining the program's text files.
#include "state/TextLines.h"

#include "mapping/modFiles.h"

namespace plivant {

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
