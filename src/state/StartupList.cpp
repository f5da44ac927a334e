// The start-up list file.
#include "state/StartupList.h"

#include "mapping/modFiles.h"
#include "platform/WinConst.h"
#include "state/TextEncoding.h"
#include "state/TextLines.h"

namespace plivant {

namespace {

// A file that FileExists passes over for its hidden or system attribute.
bool HiddenFileExists(platform::IFileSystem& files, const std::string& path) {
    bool hidden = false;
    files.FindFiles(path, [&](const platform::FindEntry& entry) {
        hidden = (entry.attributes & win::kFileAttributeDirectory) == 0 &&
                 (entry.attributes & (win::kFileAttributeHidden | win::kFileAttributeSystem)) != 0;
        return !hidden;
    });
    return hidden;
}

}  // namespace

StartupListContent ReadStartupList(platform::IFileSystem& files, platform::ICodePage& codePage,
                                   const std::string& programFolder) {
    const std::string path = programFolder + kStartupListName;
    if (!FileExists(files, path))
        return {HiddenFileExists(files, path) ? ListFileState::Hidden : ListFileState::Absent, {}};
    const auto content = files.ReadFile(path);
    if (!content) return {ListFileState::Unreadable, {}};
    DecodedLines read = DecodeLines(*content, codePage, files);
    return {read.complete ? ListFileState::Read : ListFileState::Partial, std::move(read.lines)};
}

bool SaveStartupList(platform::IFileSystem& files, platform::ICodePage& codePage, const std::string& programFolder,
                     const std::vector<std::string>& rows) {
    std::string content;
    for (const auto& row : rows) content += EncodeLine(codePage, row) + "\r\n";
    return files.Replace(programFolder + kStartupListName, content);
}

std::optional<StartupPair> ParseStartupLine(const std::string& line) {
    const auto tab = line.find('\t');
    if (tab == std::string::npos) return std::nullopt;
    const auto next = line.find('\t', tab + 1);
    return StartupPair{line.substr(0, tab), line.substr(tab + 1, next == std::string::npos ? next : next - tab - 1)};
}

}  // namespace plivant
