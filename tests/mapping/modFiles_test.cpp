// Path and file helpers against the simulated file system.
#include "mapping/modFiles.h"

#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "platform/sim/SimPlatform.h"

namespace plivant {
namespace {

using namespace plivant::win;

class PathHelpers : public testing::Test {
protected:
    PathHelpers() {
        fs.AddVolume('C');
        fs.AddVolume('E', false);  // a volume that keeps no 8.3 names
        fs.AddFolder("C:\\Program Files\\My Data");
        fs.AddFolder("C:\\Secret", FILE_ATTRIBUTE_HIDDEN);
        fs.AddFile("C:\\Data\\plain.txt", "x", FILE_ATTRIBUTE_ARCHIVE);
        fs.AddFile("C:\\Data\\readonly.txt", "x", FILE_ATTRIBUTE_READONLY);
        fs.AddFile("C:\\Data\\hidden.txt", "x", FILE_ATTRIBUTE_HIDDEN);
        fs.AddFile("C:\\Data\\system.txt", "x", FILE_ATTRIBUTE_SYSTEM);
        fs.AddFile("C:\\Only\\hidden.ini", "x", FILE_ATTRIBUTE_HIDDEN);
        fs.AddFolder("E:\\Long Folder Name\\Inner Folder");
    }
    platform::sim::SimFileSystem fs;
};

// FileExists finds normal files only (read up to a NUL), FolderExists folders; long paths are spelt as stored, one
// component at a time; short paths where the volume keeps them.
TEST_F(PathHelpers, ExistenceAndLongAndShortPaths) {
    for (const char* path : {"C:\\Data\\plain.txt", "c:\\data\\PLAIN.TXT", "C:\\Data\\readonly.txt", "C:\\Data\\*.txt",
                             "C:\\Data\\pl?in.txt"})
        EXPECT_TRUE(FileExists(fs, path)) << path;
    for (const char* path : {"C:\\Data\\hidden.txt", "C:\\Data\\system.txt", "C:\\Data", "C:\\Only\\*.ini",
                             "C:\\Data\\missing.txt", "Q:\\anything.txt", "C:\\Data\\", ""})
        EXPECT_FALSE(FileExists(fs, path)) << path;
    EXPECT_TRUE(FileExists(fs, std::string("C:\\Data\\plain.txt\0junk", 23)));
    for (const char* path : {"C:\\Data", "C:\\", "C:\\Secret"}) EXPECT_TRUE(FolderExists(fs, path)) << path;
    for (const std::string& path :
         std::initializer_list<std::string>{"C:\\Data\\plain.txt", "C:\\Nothing", "", "C:\\" + std::string(300, 'a')})
        EXPECT_FALSE(FolderExists(fs, path)) << path;
    const std::pair<std::string, const char*> longPaths[] = {
        {"C:\\PROGRA~1\\MYDATA~1", "C:\\Program Files\\My Data"},
        {"C:\\PROGRA~1\\MYDATA~1\\", "C:\\Program Files\\My Data"},
        {"c:\\program files\\my data", "c:\\Program Files\\My Data"},
        {"C:\\", "C:"},
        {"C:", "C:"},
        {"C:\\Secret", "C:\\Secret"},
        {"C:\\Data\\plain.txt", "C:\\Data\\plain.txt"},
        {"C:\\Missing", ""},
        {"C:\\Data\\missing", ""},
        {"C:\\Prog*", "C:\\Program Files"},
        {"C:\\Prog*\\My*", ""},
        {"", ""},
        {"Q:\\Data", ""},
        // The reply of the device table, read up to the NUL; a letter mapped to a root searches "C:\" with NULs.
        {std::string("C:\\PROGRA~1\\MYDATA~1\0\0", 22) + std::string(998, ' '), "C:\\Program Files\\My Data"},
        {std::string("C:\\\0\0", 5) + std::string(1015, ' '), ""}};
    for (const auto& [in, out] : longPaths) EXPECT_EQ(GetLongPath(fs, in), out) << in.c_str();
    for (auto [in, out] : {std::pair<std::string, std::string>{"C:\\Program Files\\My Data", "C:\\PROGRA~1\\MYDATA~1"},
                           {"C:\\Data", "C:\\Data"},
                           {"E:\\Long Folder Name\\Inner Folder", "E:\\Long Folder Name\\Inner Folder"},
                           {"C:\\Missing", ""},
                           {"C:\\" + std::string(400, 'x'), ""}})
        EXPECT_EQ(GetShortPath(fs, in), out);
}

TEST(ShellAndList, ShellOpenUsesTheOpenVerbAndTheListGetsOneTabStopAtSixteen) {
    platform::sim::SimShell shell;
    ShellOpen(shell, 0x1234, "http://example.invalid/", 1);
    ASSERT_EQ(shell.executed.size(), 1u);
    const auto& call = shell.executed[0];
    EXPECT_EQ(std::tuple(call.owner, call.verb, call.file, call.parameters + call.directory, call.show),
              std::tuple(0x1234u, std::string("Open"), std::string("http://example.invalid/"), std::string(), 1));
    platform::sim::SimWindowing windowing;
    SetListTabStops(windowing, 0x99);
    ASSERT_EQ(windowing.sent.size(), 1u);
    EXPECT_EQ(std::tuple(windowing.sent[0].window, windowing.sent[0].message, windowing.sent[0].wParam),
              std::tuple(0x99u, 402u, 2u));
    EXPECT_EQ(windowing.sent[0].lParamInts, (std::vector<int32_t>{16, 0}));
}

}  // namespace
}  // namespace plivant
