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

TEST_F(PathHelpers, FileExistsFindsNormalFilesOnlyAndFolderExistsFolders) {
    const std::pair<std::string, bool> files[] = {
        {"C:\\Data\\plain.txt", true},
        {"c:\\data\\PLAIN.TXT", true},
        {"C:\\Data\\readonly.txt", true},
        {"C:\\Data\\hidden.txt", false},
        {"C:\\Data\\system.txt", false},
        {"C:\\Data", false},
        {"C:\\Data\\*.txt", true},
        {"C:\\Only\\*.ini", false},
        {"C:\\Data\\missing.txt", false},
        {"Q:\\anything.txt", false},
        {"C:\\Data\\", false},
        {"", false},
        {"C:\\Data\\pl?in.txt", true},
        {std::string("C:\\Data\\plain.txt\0junk", 23), true}};  // up to the NUL
    for (const auto& [path, exists] : files) EXPECT_EQ(FileExists(fs, path), exists) << path;
    const std::pair<std::string, bool> folders[] = {{"C:\\Data", true},
                                                    {"C:\\", true},
                                                    {"C:\\Secret", true},
                                                    {"C:\\Data\\plain.txt", false},
                                                    {"C:\\Nothing", false},
                                                    {"", false},
                                                    {"C:\\" + std::string(300, 'a'), false}};
    for (const auto& [path, exists] : folders) EXPECT_EQ(FolderExists(fs, path), exists) << path;
}

TEST_F(PathHelpers, GetLongPathSpellsEachComponentAsStored) {
    const std::pair<std::string, const char*> cases[] = {
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
    for (const auto& [in, out] : cases) EXPECT_EQ(GetLongPath(fs, in), out) << in.c_str();
}

TEST_F(PathHelpers, GetShortPath) {
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
