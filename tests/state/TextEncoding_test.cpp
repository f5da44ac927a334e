// Text files as other programs write them, brought into the (simulated, Western) ANSI code page.
#include "state/TextEncoding.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/sim/SimCodePage.h"

namespace plivant {
namespace {

using Lines = std::vector<std::string>;

std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}
std::string Le(std::u16string_view text) {
    return Utf16(text, false);
}
std::string Be(std::u16string_view text) {
    return Utf16(text, true);
}

AnsiLines Read(const std::string& bytes) {
    platform::sim::SimCodePage westernCodePage;
    return ToAnsiLines(bytes, westernCodePage);
}

// The same two lines, the second with characters beyond ASCII, in every encoding with every line end.
struct Form {
    const char* name;
    std::string mark, first, second;
    std::string (*lineEnd)(const std::string&);
};

const Form kForms[] = {
    {"Ansi", "", "E:\tC:\\Data", "f:\tC:\\Caf\xe9 \x80", [](const std::string& end) { return end; }},
    {"Utf8Marked", "\xEF\xBB\xBF", "E:\tC:\\Data", "f:\tC:\\Caf\xC3\xA9 \xE2\x82\xAC",
     [](const std::string& end) { return end; }},
    {"Utf8", "", "E:\tC:\\Data", "f:\tC:\\Caf\xC3\xA9 \xE2\x82\xAC", [](const std::string& end) { return end; }},
    {"Utf16Le", "\xFF\xFE", Le(u"E:\tC:\\Data"), Le(u"f:\tC:\\Caf\u00e9 \u20ac"),
     [](const std::string& end) { return Utf16(std::u16string(end.begin(), end.end()), false); }},
    {"Utf16Be", "\xFE\xFF", Be(u"E:\tC:\\Data"), Be(u"f:\tC:\\Caf\u00e9 \u20ac"),
     [](const std::string& end) { return Utf16(std::u16string(end.begin(), end.end()), true); }},
};

void PrintTo(const Form& form, std::ostream* out) {
    *out << form.name;
}

class EveryEncodingAndLineEnd : public testing::TestWithParam<std::tuple<Form, const char*, bool>> {};

TEST_P(EveryEncodingAndLineEnd, GivesTheSameAnsiLines) {
    const auto& [form, end, lastEnded] = GetParam();
    const std::string bytes =
        form.mark + form.first + form.lineEnd(end) + form.second + (lastEnded ? form.lineEnd(end) : "");
    const AnsiLines read = Read(bytes);
    EXPECT_EQ(read.lines, (Lines{"E:\tC:\\Data", "f:\tC:\\Caf\xe9 \x80"}));
    EXPECT_TRUE(read.complete);
}

INSTANTIATE_TEST_SUITE_P(Files, EveryEncodingAndLineEnd,
                         testing::Combine(testing::ValuesIn(kForms), testing::Values("\r\n", "\n", "\r"),
                                          testing::Bool()),
                         [](const auto& p) {
                             const std::string end = std::get<1>(p.param);
                             return std::string(std::get<0>(p.param).name) +
                                    (end == "\r\n" ? "CrLf"
                                     : end == "\n" ? "Lf"
                                                   : "Cr") +
                                    (std::get<2>(p.param) ? "Ended" : "Open");
                         });

struct FileCase {
    const char* name;
    std::string bytes;
    Lines lines;
    bool complete;
};

void PrintTo(const FileCase& file, std::ostream* out) {
    *out << file.name;
}

class OddFiles : public testing::TestWithParam<FileCase> {};

TEST_P(OddFiles, KeepWhatIsWholeAndSayWhenSomethingWasLeftOut) {
    const AnsiLines read = Read(GetParam().bytes);
    EXPECT_EQ(read.lines, GetParam().lines);
    EXPECT_EQ(read.complete, GetParam().complete);
}

const Lines kData{"E:\tC:\\Data"};
const Lines kTwo{"E:\tC:\\Data", "F:\tC:\\Temp"};

INSTANTIATE_TEST_SUITE_P(
    Files, OddFiles,
    testing::Values(
        FileCase{"Utf8MarkAlone", "\xEF\xBB\xBF", {}, true}, FileCase{"Utf16LeMarkAlone", "\xFF\xFE", {}, true},
        FileCase{"Utf16BeMarkAlone", "\xFE\xFF", {}, true},
        // Bytes that begin UTF-8 sequences but do not complete them keep a file without a mark ANSI.
        FileCase{"AnsiWithABrokenSequence",
                 "E:\tC:\\M\xC3(\r\nF:\tC:\\\xE9t\xE9",
                 {"E:\tC:\\M\xC3(", "F:\tC:\\\xE9t\xE9"},
                 true},
        FileCase{"AnsiWithAnOverlongForm", "E:\tC:\\\xC0\xAF", {"E:\tC:\\\xC0\xAF"}, true},
        FileCase{"AnsiWithASurrogateForm", "E:\tC:\\\xED\xA0\x80", {"E:\tC:\\\xED\xA0\x80"}, true},
        FileCase{"AnsiBeyondUnicode", "E:\tC:\\\xF4\x90\x80\x80", {"E:\tC:\\\xF4\x90\x80\x80"}, true},
        FileCase{"AnsiWithOneValidSequenceAndOneNot", "E:\tC:\\\xC3\xA9\xE9", {"E:\tC:\\\xC3\xA9\xE9"}, true},
        FileCase{
            "Utf8CutWithoutMarkIsAnsi", "E:\tC:\\\xC3\xA9\r\nF:\tC:\\\xC3", {"E:\tC:\\\xC3\xA9", "F:\tC:\\\xC3"}, true},
        // A character the code page lacks, or a malformed or cut line, leaves out that line only.
        FileCase{"Utf8MarkedCutInASequence",
                 "\xEF\xBB\xBF"
                 "E:\tC:\\Data\r\nF:\tC:\\Caf\xC3",
                 kData, false},
        FileCase{"Utf8MarkedWithABrokenLine",
                 "\xEF\xBB\xBF"
                 "G:\tC:\\\xFF\r\nE:\tC:\\Data",
                 kData, false},
        FileCase{"Utf8OtherScript", "G:\tC:\\\xE4\xB8\x80\xE4\xBA\x8C\r\nE:\tC:\\Data", kData, false},
        FileCase{"Utf8NoBestFit",
                 "\xEF\xBB\xBF"
                 "E:\tC:\\Data\nG:\tC:\\Data\xE2\x88\x9E",
                 kData, false},
        FileCase{"Utf8BeyondTheBasicPlane", "G:\tC:\\\xF0\x9F\x98\x80\nE:\tC:\\Data", kData, false},
        FileCase{"Utf16OtherScript", "\xFF\xFE" + Le(u"G:\tC:\\\u4e00\r\nE:\tC:\\Data"), kData, false},
        FileCase{
            "Utf16WesternRow80", "\xFE\xFF" + Be(u"\u20ac\u0081\u017e\u0178\r\nG:\u0100"), {"\x80\x81\x9e\x9f"}, false},
        FileCase{"Utf16OddByteInALine", "\xFF\xFE" + Le(u"E:\tC:\\Data\r\nF:\tC:\\Da") + "t", kData, false},
        FileCase{"Utf16OddByteAfterALineEnd", "\xFF\xFE" + Le(u"E:\tC:\\Data\r\nF:\tC:\\Temp\r") + "\n", kTwo, false},
        FileCase{"Utf16MarkAndOneByte",
                 "\xFF\xFE"
                 "E",
                 {},
                 false},
        FileCase{"Utf16CutInASurrogatePair", "\xFF\xFE" + Le(u"E:\tC:\\Data\nF:\tC:\\\xD83D"), kData, false},
        FileCase{"Utf16LoneLowSurrogate", "\xFE\xFF" + Be(u"F:\tC:\\\xDE00\nE:\tC:\\Data"), kData, false}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace plivant
