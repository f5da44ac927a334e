// The start-up list file.
#include "state/StartupList.h"

#include "mapping/modFiles.h"
#include "state/TextEncoding.h"
#include "state/TextLines.h"

namespace plivant {

StartupListContent ReadStartupList(platform::IFileSystem& files, platform::ICodePage& codePage,
                                   const std::string& programFolder) {
    const std::string path = programFolder + kStartupListName;
    if (!FileExists(files, path)) return {};
    const auto content = files.ReadFile(path);
    if (!content) return {ListFileState::Unreadable, {}};
    AnsiLines read = ToAnsiLines(*content, codePage);
    return {read.complete ? ListFileState::Read : ListFileState::Partial, std::move(read.lines)};
}

bool SaveStartupList(platform::IFileSystem& files, const std::string& programFolder,
                     const std::vector<std::string>& rows) {
    return files.Replace(programFolder + kStartupListName, JoinLines(rows));
}

std::optional<StartupPair> ParseStartupLine(const std::string& line) {
    const auto tab = line.find('\t');
    if (tab == std::string::npos) return std::nullopt;
    const auto next = line.find('\t', tab + 1);
    return StartupPair{line.substr(0, tab), line.substr(tab + 1, next == std::string::npos ? next : next - tab - 1)};
}

}  // namespace plivant
