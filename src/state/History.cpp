// The history file.
#include "state/History.h"

#include "mapping/modFiles.h"
#include "state/TextEncoding.h"

namespace plivant {

std::vector<std::string> LoadHistory(platform::IFileSystem& files, platform::ICodePage& codePage,
                                     const std::string& programFolder) {
    const std::string path = programFolder + kHistoryName;
    const auto content = FileExists(files, path) ? files.ReadFile(path) : std::nullopt;
    return content ? DecodeLines(*content, codePage, files).lines : std::vector<std::string>{};
}

bool AppendHistory(platform::IFileSystem& files, platform::ICodePage& codePage, const std::string& programFolder,
                   const std::string& path) {
    return files.Append(programFolder + kHistoryName, EncodeLine(codePage, path) + "\r\n");
}

bool ClearHistory(platform::IFileSystem& files, const std::string& programFolder) {
    const std::string path = programFolder + kHistoryName;
    return !FileExists(files, path) || files.Delete(path);
}

}  // namespace plivant
