// Path and file helpers.
#include "mapping/modFiles.h"

#include "platform/WinConst.h"
#include "util/Text.h"

namespace plivant {

using namespace plivant::win;

std::string GetShortPath(platform::IFileSystem& files, const std::string& path) {
    constexpr uint32_t kBufferSize = 1024;
    std::string buffer(kBufferSize, ' ');
    const uint32_t length = files.ShortPathName(path, buffer.data(), kBufferSize);
    // A result as large as the buffer is the size the system would need, not a path.
    if (length == 0 || length >= kBufferSize) return {};
    return buffer.substr(0, length);
}

bool FileExists(platform::IFileSystem& files, const std::string& path) {
    // An empty pattern would find the first file of the current folder.
    if (path.empty()) return false;
    bool found = false;
    files.FindFiles(path, [&](const platform::FindEntry& entry) {
        constexpr uint32_t kNotNormal = kFileAttributeDirectory | kFileAttributeHidden | kFileAttributeSystem;
        found = !entry.name.empty() && (entry.attributes & kNotNormal) == 0;
        return !found;
    });
    return found;
}

bool FolderExists(platform::IFileSystem& files, const std::string& path) {
    // No folder has a path longer than the system's longest, and some systems read a longer one by the low 16 bits of
    // its length: "C:\" and 65,536 more characters would name the root of C:.
    constexpr size_t kLongestPath = 32767;
    if (text::UpToNul(path).size() > kLongestPath) return false;
    return files.IsDirectory(path) != 0;
}

std::string GetLongPath(platform::IFileSystem& files, const std::string& path) {
    if (path.empty()) return {};
    std::string work = path;
    if (work.back() == '\\') work.pop_back();
    work.push_back('\\');

    std::string result;
    size_t searchFrom = 3;  // just after "X:\"
    for (;;) {
        const auto slash = work.find('\\', searchFrom);
        if (slash == std::string::npos) break;
        std::string found;
        files.FindFiles(work.substr(0, slash), [&](const platform::FindEntry& entry) {
            // The search includes directories, hidden and system entries: take the first. A name the code page cannot
            // hold comes back with "?", which no name holds: its short form names the folder.
            const bool held = entry.name.find('?') == std::string::npos || entry.shortName.empty();
            found = held ? entry.name : entry.shortName;
            return false;
        });
        if (found.empty()) return {};
        result += "\\" + found;
        searchFrom = slash + 1;
    }
    return path.substr(0, 2) + result;
}

void ShellOpen(platform::IShell& shell, platform::WindowHandle owner, const std::string& target, int32_t show) {
    shell.Execute(owner, "Open", target, "", "", show);
}

void SetListTabStops(platform::IWindowing& windowing, platform::WindowHandle listBox) {
    int32_t stops[2] = {16, 0};
    windowing.Send(listBox, kLbSetTabStops, 2, reinterpret_cast<intptr_t>(stops));
}

}  // namespace plivant
