// The program's text files: splitting into lines and writing them back, the start-up list (reading, atomic
// writing, taking lines apart) and the history (load, append, clear).
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "platform/sim/SimCodePage.h"
#include "platform/sim/SimFileSystem.h"
#include "state/History.h"
#include "state/StartupList.h"
#include "state/TextLines.h"

namespace plivant {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;
constexpr const char* kFolder = "C:\\Apps\\Plivant\\";
constexpr const char* kList = "C:\\Apps\\Plivant\\mount.ini";
constexpr const char* kHistory = "C:\\Apps\\Plivant\\Plivant.ini";

TEST(TextLines, EveryKindOfLineEndLargeInputsAndJoiningBack) {
    for (const auto& [content, lines] :
         std::vector<std::pair<std::string, Lines>>{{"", {}},
                                                    {"a\r\nb\r\n", {"a", "b"}},
                                                    {"a\r\nb", {"a", "b"}},
                                                    {"a\nb\n", {"a", "b"}},
                                                    {"a\rb\r", {"a", "b"}},
                                                    {"a\r\n\r\nb\r\n", {"a", "", "b"}},
                                                    {"\r\r\r", {"", "", ""}},
                                                    {"\n\r", {"", ""}},
                                                    {"\r\n", {""}},
                                                    {"a\n\rb", {"a", "", "b"}},
                                                    {"E:\tC:\\x\0y\r\n"s, {"E:\tC:\\x\0y"s}},
                                                    {"\xff\xfe\r\n", {"\xff\xfe"}}})
        EXPECT_EQ(SplitLines(content), lines) << content;
    const std::string megabyteLine(1 << 20, 'x');
    EXPECT_EQ(SplitLines(megabyteLine + "\r\nend"), (Lines{megabyteLine, "end"}));
    std::string many;
    for (int i = 0; i < 100000; ++i) many += "l\r\n";
    EXPECT_EQ(SplitLines(many).size() + SplitLines(std::string(100000, '\r')).size(), 200000u);
    const Lines lines{"e:\tc:\\data", "", "f:\tc:\\temp"};
    EXPECT_EQ(JoinLines(lines), "e:\tc:\\data\r\n\r\nf:\tc:\\temp\r\n");
    EXPECT_EQ(SplitLines(JoinLines(lines)), lines);
}

class ProgramFolder : public testing::Test {
protected:
    ProgramFolder() { fs.AddFolder("C:\\Apps\\Plivant"); }
    StartupListContent ReadList() { return ReadStartupList(fs, codePage, kFolder); }
    platform::sim::SimFileSystem fs;
    platform::sim::SimCodePage codePage;
};

TEST_F(ProgramFolder, AnUnseenStartupListIsAbsentALockedOneUnreadableAndLinesAreReadUnchanged) {
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
    EXPECT_EQ(ReadList().state, ListFileState::Absent);
    fs.AddFile(kList, "E:\tC:\\Data\r\nnot a pair\r\n\r\nF:\tC:\\Temp");
    const Lines lines{"E:\tC:\\Data", "not a pair", "", "F:\tC:\\Temp"};  // a last line without CR LF counts
    for (const auto& c : cases) {
        fs.SetAttributes(kList, c.attributes);
        fs.SetLocked(kList, c.locked);
        const StartupListContent read = ReadList();
        EXPECT_EQ(read.state, c.state) << "attributes " << c.attributes << " locked " << c.locked;
        EXPECT_EQ(read.lines, c.state == ListFileState::Read ? lines : Lines{});
    }
}

TEST_F(ProgramFolder, UnicodeIsReadAsAnsiAndALineLeftOutMakesThePartialState) {
    fs.AddFile(kList,
               "\xEF\xBB\xBF"
               "E:\tC:\\Caf\xC3\xA9\r\n");
    EXPECT_EQ(ReadList().state, ListFileState::Read);
    EXPECT_EQ(ReadList().lines, Lines{"E:\tC:\\Caf\xE9"});
    fs.AddFile(kList, "E:\tC:\\Caf\xC3\xA9\r\nG:\tC:\\\xE4\xB8\x80\r\nF:\tC:\\Temp\r\n");
    EXPECT_EQ(ReadList().state, ListFileState::Partial);
    EXPECT_EQ(ReadList().lines, (Lines{"E:\tC:\\Caf\xE9", "F:\tC:\\Temp"}));
}

TEST_F(ProgramFolder, SaveWritesEachRowWithCrLfInOrderAndAFailedSaveLeavesTheOldListWhole) {
    ASSERT_TRUE(SaveStartupList(fs, kFolder, {}));
    EXPECT_EQ(fs.Content(kList), "");
    ASSERT_TRUE(SaveStartupList(fs, kFolder, {"E:\tC:\\Data", "F:\tC:\\Temp"}));
    EXPECT_EQ(fs.Content(kList), "E:\tC:\\Data\r\nF:\tC:\\Temp\r\n");
    fs.SetWritable("C:\\Apps\\Plivant", false);
    EXPECT_FALSE(SaveStartupList(fs, kFolder, {"F:\tC:\\Temp"}));
    EXPECT_EQ(fs.Content(kList), "E:\tC:\\Data\r\nF:\tC:\\Temp\r\n");
}

TEST(StartupLine, FieldsAsTheyStand) {
    const struct {
        const char* line;
        bool pair;
        const char *drive, *folder;
    } cases[] = {{"E:\tC:\\Data", true, "E:", "C:\\Data"},
                 {"E:\tC:\\Data\tx", true, "E:", "C:\\Data"},
                 {"\tC:\\Data", true, "", "C:\\Data"},
                 {"e: \t c:\\data ", true, "e: ", " c:\\data "},
                 {"E:\t", true, "E:", ""},
                 {"", false, "", ""},
                 {"E: C:\\Data", false, "", ""}};
    for (const auto& c : cases) {
        const auto pair = ParseStartupLine(c.line);
        EXPECT_EQ(pair ? pair->drive + "|" + pair->folder : "none",
                  c.pair ? std::string(c.drive) + "|" + c.folder : "none");
    }
}

TEST_F(ProgramFolder, HistoryKeepsDuplicatesAndEmptyLinesInOrderAndClearStartsAgain) {
    EXPECT_EQ(LoadHistory(fs, kFolder), Lines{});
    for (const char* folder : {"C:\\Data", "C:\\Data", "", "D:\\"}) ASSERT_TRUE(AppendHistory(fs, kFolder, folder));
    EXPECT_EQ(fs.Content(kHistory), "C:\\Data\r\nC:\\Data\r\n\r\nD:\\\r\n");
    EXPECT_EQ(LoadHistory(fs, kFolder), (Lines{"C:\\Data", "C:\\Data", "", "D:\\"}));
    EXPECT_TRUE(ClearHistory(fs, kFolder));
    EXPECT_FALSE(fs.Exists(kHistory));
    EXPECT_TRUE(ClearHistory(fs, kFolder));
    ASSERT_TRUE(AppendHistory(fs, kFolder, "C:\\Temp"));
    EXPECT_EQ(LoadHistory(fs, kFolder), Lines{"C:\\Temp"});
}

TEST_F(ProgramFolder, AReadOnlyFolderOrLockedHistoryReportsFailureAndKeepsTheLines) {
    fs.SetWritable("C:\\Apps\\Plivant", false);
    EXPECT_FALSE(AppendHistory(fs, kFolder, "C:\\Data"));  // no new file in a read-only folder
    EXPECT_FALSE(fs.Exists(kHistory));
    fs.SetWritable("C:\\Apps\\Plivant", true);
    ASSERT_TRUE(AppendHistory(fs, kFolder, "C:\\Data"));
    fs.SetLocked(kHistory, true);
    EXPECT_FALSE(AppendHistory(fs, kFolder, "C:\\Temp"));
    EXPECT_EQ(LoadHistory(fs, kFolder), Lines{});
    fs.SetLocked(kHistory, false);
    fs.SetWritable("C:\\Apps\\Plivant", false);
    EXPECT_FALSE(ClearHistory(fs, kFolder));
    EXPECT_EQ(LoadHistory(fs, kFolder), Lines{"C:\\Data"});
}

}  // namespace
}  // namespace plivant
