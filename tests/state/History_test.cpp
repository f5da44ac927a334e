// The history file: load, append, clear.
#include "state/History.h"

#include <gtest/gtest.h>

#include "platform/sim/SimFileSystem.h"

namespace plivant {
namespace {

using Lines = std::vector<std::string>;
constexpr const char* kFolder = "C:\\Apps\\Plivant\\";
constexpr const char* kFile = "C:\\Apps\\Plivant\\Plivant.ini";

class HistoryFile : public testing::Test {
protected:
    HistoryFile() { fs.AddFolder("C:\\Apps\\Plivant"); }
    platform::sim::SimFileSystem fs;
};

TEST_F(HistoryFile, FirstAppendCreatesTheFileWithOneLine) {
    EXPECT_EQ(LoadHistory(fs, kFolder), Lines{});
    ASSERT_TRUE(AppendHistory(fs, kFolder, "C:\\My Data"));
    EXPECT_EQ(fs.Content(kFile), "C:\\My Data\r\n");
}

TEST_F(HistoryFile, DuplicatesAndEmptyLinesAreKeptInOrder) {
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(AppendHistory(fs, kFolder, "C:\\Data"));
    ASSERT_TRUE(AppendHistory(fs, kFolder, ""));
    ASSERT_TRUE(AppendHistory(fs, kFolder, "D:\\"));
    EXPECT_EQ(LoadHistory(fs, kFolder), (Lines{"C:\\Data", "C:\\Data", "C:\\Data", "", "D:\\"}));
}

TEST_F(HistoryFile, ClearDeletesTheFileAndTheNextAppendStartsAgain) {
    ASSERT_TRUE(AppendHistory(fs, kFolder, "C:\\Data"));
    EXPECT_TRUE(ClearHistory(fs, kFolder));
    EXPECT_FALSE(fs.Exists(kFile));
    EXPECT_TRUE(ClearHistory(fs, kFolder));
    ASSERT_TRUE(AppendHistory(fs, kFolder, "C:\\Temp"));
    EXPECT_EQ(LoadHistory(fs, kFolder), Lines{"C:\\Temp"});
}

TEST_F(HistoryFile, ReadOnlyFolderOrLockedFileReportsFailureAndKeepsTheLines) {
    ASSERT_TRUE(AppendHistory(fs, kFolder, "C:\\Data"));
    fs.SetLocked(kFile, true);
    EXPECT_FALSE(AppendHistory(fs, kFolder, "C:\\Temp"));
    EXPECT_EQ(LoadHistory(fs, kFolder), Lines{});
    fs.SetLocked(kFile, false);
    fs.SetWritable("C:\\Apps\\Plivant", false);
    EXPECT_FALSE(ClearHistory(fs, kFolder));
    EXPECT_EQ(LoadHistory(fs, kFolder), Lines{"C:\\Data"});
}

TEST_F(HistoryFile, NewFileCannotBeCreatedInAReadOnlyFolder) {
    fs.SetWritable("C:\\Apps\\Plivant", false);
    EXPECT_FALSE(AppendHistory(fs, kFolder, "C:\\Data"));
    EXPECT_FALSE(fs.Exists(kFile));
}

}  // namespace
}  // namespace plivant
