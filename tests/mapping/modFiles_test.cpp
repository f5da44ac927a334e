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
        fs.AddFolder("C:\\Data");
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

struct ExistsCase {
    const char* path;
    bool exists;
};

class FileExistsTable : public PathHelpers, public testing::WithParamInterface<ExistsCase> {};

TEST_P(FileExistsTable, FindsNormalFilesOnly) { EXPECT_EQ(FileExists(fs, GetParam().path), GetParam().exists); }

INSTANTIATE_TEST_SUITE_P(
    Paths, FileExistsTable,
    testing::Values(ExistsCase{"C:\\Data\\plain.txt", true}, ExistsCase{"c:\\data\\PLAIN.TXT", true},
                    ExistsCase{"C:\\Data\\readonly.txt", true}, ExistsCase{"C:\\Data\\hidden.txt", false},
                    ExistsCase{"C:\\Data\\system.txt", false}, ExistsCase{"C:\\Data", false},
                    ExistsCase{"C:\\Data\\*.txt", true}, ExistsCase{"C:\\Only\\*.ini", false},
                    ExistsCase{"C:\\Data\\missing.txt", false}, ExistsCase{"Q:\\anything.txt", false},
                    ExistsCase{"C:\\Data\\", false}, ExistsCase{"", false},
                    ExistsCase{"C:\\Data\\pl?in.txt", true}));

TEST_F(PathHelpers, FileExistsStopsAtTheFirstNul) {
    EXPECT_TRUE(FileExists(fs, std::string("C:\\Data\\plain.txt\0junk", 23)));
}

TEST_F(PathHelpers, FolderExists) {
    EXPECT_TRUE(FolderExists(fs, "C:\\Data"));
    EXPECT_TRUE(FolderExists(fs, "C:\\"));
    EXPECT_TRUE(FolderExists(fs, "C:\\Secret"));
    EXPECT_FALSE(FolderExists(fs, "C:\\Data\\plain.txt"));
    EXPECT_FALSE(FolderExists(fs, "C:\\Nothing"));
    EXPECT_FALSE(FolderExists(fs, ""));
    EXPECT_FALSE(FolderExists(fs, "C:\\" + std::string(300, 'a')));
}

struct LongCase {
    const char* in;
    const char* out;
};

class GetLongPathTable : public PathHelpers, public testing::WithParamInterface<LongCase> {};

TEST_P(GetLongPathTable, SpellsEachComponentAsStored) { EXPECT_EQ(GetLongPath(fs, GetParam().in), GetParam().out); }

INSTANTIATE_TEST_SUITE_P(
    Paths, GetLongPathTable,
    testing::Values(LongCase{"C:\\PROGRA~1\\MYDATA~1", "C:\\Program Files\\My Data"},
                    LongCase{"C:\\PROGRA~1\\MYDATA~1\\", "C:\\Program Files\\My Data"},
                    LongCase{"c:\\program files\\my data", "c:\\Program Files\\My Data"},
                    LongCase{"C:\\", "C:"}, LongCase{"C:", "C:"}, LongCase{"C:\\Secret", "C:\\Secret"},
                    LongCase{"C:\\Data\\plain.txt", "C:\\Data\\plain.txt"}, LongCase{"C:\\Missing", ""},
                    LongCase{"C:\\Data\\missing", ""}, LongCase{"C:\\Prog*", "C:\\Program Files"},
                    LongCase{"C:\\Prog*\\My*", ""},
                    LongCase{"", ""}, LongCase{"Q:\\Data", ""}));

TEST_F(PathHelpers, GetLongPathOfTheSubstReplyReadsUpToTheNul) {
    const std::string reply = std::string("C:\\PROGRA~1\\MYDATA~1\0\0", 22) + std::string(998, ' ');
    EXPECT_EQ(GetLongPath(fs, reply), "C:\\Program Files\\My Data");
}

TEST_F(PathHelpers, GetLongPathOfADriveRootReplyIsEmpty) {
    // The reply for a letter mapped to a root: its last search is "C:\" with NULs, which finds nothing.
    const std::string reply = std::string("C:\\\0\0", 5) + std::string(1015, ' ');
    EXPECT_EQ(GetLongPath(fs, reply), "");
}

TEST_F(PathHelpers, GetShortPath) {
    EXPECT_EQ(GetShortPath(fs, "C:\\Program Files\\My Data"), "C:\\PROGRA~1\\MYDATA~1");
    EXPECT_EQ(GetShortPath(fs, "C:\\Data"), "C:\\Data");
    EXPECT_EQ(GetShortPath(fs, "E:\\Long Folder Name\\Inner Folder"), "E:\\Long Folder Name\\Inner Folder");
    EXPECT_EQ(GetShortPath(fs, "C:\\Missing"), "");
    EXPECT_EQ(GetShortPath(fs, "C:\\" + std::string(400, 'x')), "");
}

TEST(ShellOpen, OpensTheTargetWithTheOpenVerb) {
    platform::sim::SimShell shell;
    ShellOpen(shell, 0x1234, "http://example.invalid/", 1);
    ASSERT_EQ(shell.executed.size(), 1u);
    const auto& call = shell.executed[0];
    EXPECT_EQ(call.owner, 0x1234u);
    EXPECT_EQ(call.verb, "Open");
    EXPECT_EQ(call.file, "http://example.invalid/");
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.directory, "");
    EXPECT_EQ(call.show, 1);
}

TEST(SetListTabStops, SendsOneStopAtSixteenAndAZero) {
    platform::sim::SimWindowing windowing;
    SetListTabStops(windowing, 0x99);
    ASSERT_EQ(windowing.sent.size(), 1u);
    EXPECT_EQ(windowing.sent[0].window, 0x99u);
    EXPECT_EQ(windowing.sent[0].message, 402u);
    EXPECT_EQ(windowing.sent[0].wParam, 2u);
    EXPECT_EQ(windowing.sent[0].lParamInts, (std::vector<int32_t>{16, 0}));
}

}  // namespace
}  // namespace plivant
