// The start-up list file: reading, atomic writing, and taking lines apart.
#include "state/StartupList.h"

#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "platform/sim/SimCodePage.h"
#include "platform/sim/SimFileSystem.h"

namespace plivant {
namespace {

using Lines = std::vector<std::string>;
constexpr const char* kFolder = "C:\\Apps\\Plivant\\";
constexpr const char* kFile = "C:\\Apps\\Plivant\\mount.ini";

class StartupListFile : public testing::Test {
protected:
    StartupListFile() { fs.AddFolder("C:\\Apps\\Plivant"); }
    StartupListContent Read() { return ReadStartupList(fs, codePage, kFolder); }
    platform::sim::SimFileSystem fs;
    platform::sim::SimCodePage codePage;
};

TEST_F(StartupListFile, AnUnseenFileIsAbsentAndALockedOneUnreadable) {
    const struct {
        uint32_t attributes;
        bool locked;
        ListFileState state;
    } cases[] = {
        {win::FILE_ATTRIBUTE_HIDDEN, false, ListFileState::Absent},
        {win::FILE_ATTRIBUTE_SYSTEM, true, ListFileState::Absent},
        {win::FILE_ATTRIBUTE_ARCHIVE, true, ListFileState::Unreadable},
        {win::FILE_ATTRIBUTE_READONLY, false, ListFileState::Read},
    };
    EXPECT_EQ(Read().state, ListFileState::Absent);
    fs.AddFile(kFile, "E:\tC:\\Data\r\n");
    for (const auto& c : cases) {
        fs.SetAttributes(kFile, c.attributes);
        fs.SetLocked(kFile, c.locked);
        const StartupListContent read = Read();
        EXPECT_EQ(read.state, c.state) << "attributes " << c.attributes << " locked " << c.locked;
        EXPECT_EQ(read.lines, c.state == ListFileState::Read ? Lines{"E:\tC:\\Data"} : Lines{});
    }
}

TEST_F(StartupListFile, LinesAreReadUnchangedAndALastLineWithoutCrLfCounts) {
    fs.AddFile(kFile, "E:\tC:\\Data\r\nnot a pair\r\n\r\nF:\tC:\\Temp");
    EXPECT_EQ(Read().lines, (Lines{"E:\tC:\\Data", "not a pair", "", "F:\tC:\\Temp"}));
}

TEST_F(StartupListFile, UnicodeIsReadAsAnsiAndALineLeftOutMakesThePartialState) {
    fs.AddFile(kFile,
               "\xEF\xBB\xBF"
               "E:\tC:\\Caf\xC3\xA9\r\n");
    EXPECT_EQ(Read().state, ListFileState::Read);
    EXPECT_EQ(Read().lines, Lines{"E:\tC:\\Caf\xE9"});
    fs.AddFile(kFile, "E:\tC:\\Caf\xC3\xA9\r\nG:\tC:\\\xE4\xB8\x80\r\nF:\tC:\\Temp\r\n");
    EXPECT_EQ(Read().state, ListFileState::Partial);
    EXPECT_EQ(Read().lines, (Lines{"E:\tC:\\Caf\xE9", "F:\tC:\\Temp"}));
}

TEST_F(StartupListFile, SaveWritesEachRowWithCrLfInOrder) {
    ASSERT_TRUE(SaveStartupList(fs, kFolder, {"E:\tC:\\Data", "F:\tC:\\Temp"}));
    EXPECT_EQ(fs.Content(kFile), "E:\tC:\\Data\r\nF:\tC:\\Temp\r\n");
    ASSERT_TRUE(SaveStartupList(fs, kFolder, {}));
    EXPECT_EQ(fs.Content(kFile), "");
}

TEST_F(StartupListFile, FailedSaveLeavesTheOldListWhole) {
    ASSERT_TRUE(SaveStartupList(fs, kFolder, {"E:\tC:\\Data"}));
    fs.SetWritable("C:\\Apps\\Plivant", false);
    EXPECT_FALSE(SaveStartupList(fs, kFolder, {"F:\tC:\\Temp"}));
    EXPECT_EQ(fs.Content(kFile), "E:\tC:\\Data\r\n");
}

struct ParseCase {
    const char* line;
    bool pair;
    const char* drive;
    const char* folder;
};

class ParseStartupLineTable : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseStartupLineTable, FieldsAsTheyStand) {
    const auto& c = GetParam();
    const auto pair = ParseStartupLine(c.line);
    ASSERT_EQ(pair.has_value(), c.pair);
    if (!pair) return;
    EXPECT_EQ(pair->drive, c.drive);
    EXPECT_EQ(pair->folder, c.folder);
}

INSTANTIATE_TEST_SUITE_P(Lines, ParseStartupLineTable,
                         testing::Values(ParseCase{"E:\tC:\\Data", true, "E:", "C:\\Data"},
                                         ParseCase{"E:\tC:\\Data\tx", true, "E:", "C:\\Data"},
                                         ParseCase{"\tC:\\Data", true, "", "C:\\Data"},
                                         ParseCase{"e: \t c:\\data ", true, "e: ", " c:\\data "},
                                         ParseCase{"E:\t", true, "E:", ""}, ParseCase{"", false, "", ""},
                                         ParseCase{"E: C:\\Data", false, "", ""}));

}  // namespace
}  // namespace plivant
