// Splitting the program's text files into lines, and writing them back.
#include "state/TextLines.h"

#include <gtest/gtest.h>

namespace plivant {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

struct SplitCase {
    std::string content;
    Lines lines;
};

class SplitLinesTable : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTable, EveryKindOfLineEnd) {
    EXPECT_EQ(SplitLines(GetParam().content), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Contents, SplitLinesTable,
                         testing::Values(SplitCase{"", {}}, SplitCase{"a\r\nb\r\n", {"a", "b"}},
                                         SplitCase{"a\r\nb", {"a", "b"}}, SplitCase{"a\nb\n", {"a", "b"}},
                                         SplitCase{"a\rb\r", {"a", "b"}}, SplitCase{"a\r\n\r\nb\r\n", {"a", "", "b"}},
                                         SplitCase{"\r\r\r", {"", "", ""}}, SplitCase{"\n\r", {"", ""}},
                                         SplitCase{"\r\n", {""}}, SplitCase{"a\n\rb", {"a", "", "b"}},
                                         SplitCase{"E:\tC:\\x\0y\r\n"s, {"E:\tC:\\x\0y"s}},
                                         SplitCase{"\xff\xfe\r\n", {"\xff\xfe"}}));

TEST(JoinLines, EndsEveryLineWithCrLfAndRoundTrips) {
    const Lines lines{"e:\tc:\\data", "", "f:\tc:\\temp"};
    EXPECT_EQ(JoinLines(lines), "e:\tc:\\data\r\n\r\nf:\tc:\\temp\r\n");
    EXPECT_EQ(SplitLines(JoinLines(lines)), lines);
    EXPECT_EQ(JoinLines({}), "");
}

TEST(SplitLines, LargeInputs) {
    const std::string megabyteLine(1 << 20, 'x');
    EXPECT_EQ(SplitLines(megabyteLine + "\r\nend"), (Lines{megabyteLine, "end"}));
    std::string many;
    for (int i = 0; i < 100000; ++i) many += "l\r\n";
    EXPECT_EQ(SplitLines(many).size(), 100000u);
    EXPECT_EQ(SplitLines(std::string(100000, '\r')).size(), 100000u);
}

}  // namespace
}  // namespace plivant
