// The history file.
#include "state/History.h"

#include "mapping/modFiles.h"
#include "state/TextLines.h"

namespace plivant {

std::vector<std::string> LoadHistory(platform::IFileSystem& files, const std::string& programFolder) {
    return LoadLinesOf(files, programFolder + kHistoryName);
}

bool AppendHistory(platform::IFileSystem& files, const std::string& programFolder, const std::string& path) {
    return files.Append(programFolder + kHistoryName, path + "\r\n");
}

bool ClearHistory(platform::IFileSystem& files, const std::string& programFolder) {
    const std::string path = programFolder + kHistoryName;
    return !FileExists(files, path) || files.Delete(path);
}

}  // namespace plivant
