// GetLongPath and GetShortPath on arbitrary paths against a simulated disk with long, short and hidden names:
// no fault; for a plain drive path, a long form on the same drive that is its own long form, and a short form that
// leads back to the same long form.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "mapping/modFiles.h"
#include "platform/WinConst.h"
#include "platform/sim/SimPlatform.h"

namespace {

plivant::platform::sim::SimFileSystem& Disk() {
    static plivant::platform::sim::SimFileSystem files = [] {
        using namespace plivant::win;
        plivant::platform::sim::SimFileSystem f;
        f.AddVolume('C');
        f.AddVolume('E', false);
        f.AddFolder("C:\\Program Files\\My Data");
        f.AddFolder("C:\\Program Files (x86)\\Tools");
        f.AddFolder("C:\\Data.Folder.With.Dots\\a b");
        f.AddFolder("C:\\Secret", kFileAttributeHidden);
        f.AddFile("C:\\Data.Folder.With.Dots\\a b\\file name.txt", "x", kFileAttributeArchive);
        f.AddFile("C:\\Program Files\\My Data\\sys.dat", "x", kFileAttributeSystem);
        f.AddFolder("E:\\Long Folder Name\\Inner Folder");
        return f;
    }();
    return files;
}

// "X:\" then names separated by single backslashes (one trailing backslash allowed), none of them "." or "..",
// no "/", no wildcard and no NUL: the form in which the program hands paths over. The system resolves the rest itself
// while the long form is built name by name from backslashes, so only this form has a long form to check.
bool IsPlainDrivePath(const std::string& path) {
    if (path.size() < 3 || !std::isalpha(static_cast<unsigned char>(path[0])) || path[1] != ':' || path[2] != '\\')
        return false;
    if (path.find_first_of(std::string("/*?\0", 4)) != std::string::npos) return false;
    std::size_t start = 3;
    while (start < path.size()) {
        const auto end = std::min(path.find('\\', start), path.size());
        const std::string part = path.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") return false;
        start = end + 1;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path(reinterpret_cast<const char*>(data), size);
    auto& files = Disk();
    const std::string longForm = plivant::GetLongPath(files, path);
    // Paths of any other form need only be survived.
    const bool drivePath = IsPlainDrivePath(path);
    if (drivePath && !longForm.empty()) {
        FUZZ_CHECK(longForm.compare(0, 2, path, 0, 2) == 0);
        FUZZ_CHECK(plivant::GetLongPath(files, longForm) == longForm);
    }
    const std::string shortForm = plivant::GetShortPath(files, path);
    if (drivePath && !shortForm.empty())
        FUZZ_CHECK(plivant::GetLongPath(files, shortForm) == plivant::GetLongPath(files, path));
    plivant::FolderExists(files, path);
    plivant::FileExists(files, path);
    return 0;
}
