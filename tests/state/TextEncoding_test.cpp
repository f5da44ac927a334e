// Texts and text files in both worlds of a (simulated) Western system: UTF-8 as the process code page (a system that
// honours the manifest) and Windows-1252 (one that does not). What the system hands over, by its short form where the
// page cannot hold it, never with "?"; the reader's choice per line and the mark's for the file; the writer's bytes.
#include "state/TextEncoding.h"

#include <gtest/gtest.h>

#include "platform/sim/SimFileSystem.h"
#include "state/TextLines.h"

namespace plivant {
namespace {

using Lines = std::vector<std::string>;
using std::nullopt;

const std::string kBom = "\xEF\xBB\xBF";

std::string Utf16(std::u16string_view text, bool bigEndian = false) {
    std::string bytes;
    for (const char16_t unit : text) bytes += {char(bigEndian ? unit >> 8 : unit), char(bigEndian ? unit : unit >> 8)};
    return bytes;
}

class BothWorlds : public testing::TestWithParam<bool> {
protected:
    BothWorlds() {
        page.utf8 = GetParam();
        files.UseCodePage(page);
        files.AddFolder("C:\\Data\\日本");  // its short form is made: "__~1"
        files.AddFolder("C:\\Data\\Жук", 0, "ZHUK~1");
        files.AddVolume('D', false);  // without short names
        files.AddFolder("D:\\Жук");
    }
    // The test's UTF-8 text as the process code page holds it.
    std::string Held(const std::string& text) {
        return page.FromUtf16(platform::Page::Process, platform::sim::Wide(text)).value();
    }
    // Each world's expectation: in UTF-8, and in Windows-1252 (a text of the test in UTF-8 unless it is bytes).
    template <typename T>
    const T& Either(const T& utf8, const T& legacy) {
        return GetParam() ? utf8 : legacy;
    }
    DecodedLines Read(const std::string& bytes) { return DecodeLines(bytes, page, files); }

    platform::sim::SimCodePage page;
    platform::sim::SimFileSystem files;
};
INSTANTIATE_TEST_SUITE_P(Utf8AndLegacy, BothWorlds, testing::Bool());

TEST_P(BothWorlds, ATextComesOverAsItStandsOrByItsShortFormNeverWithAQuestionMark) {
    using Named = std::optional<std::string>;
    const std::tuple<std::u16string, Named, Named> cases[] = {
        // in UTF-16; in UTF-8; in Windows-1252
        {u"C:\\Caf\u00e9 \u20ac", "C:\\Café €", "C:\\Caf\xe9 \x80"},
        {u"C:\\Data\\\u65e5\u672c", "C:\\Data\\日本", "C:\\Data\\__~1"},
        {u"E:\tc:\\data\\\u0416\u0443\u043a\tx", "E:\tc:\\data\\Жук\tx", "E:\tc:\\data\\ZHUK~1\tx"},
        {u"D:\\\u0416\u0443\u043a", "D:\\Жук", nullopt},                // a volume without short names
        {u"C:\\\u03a9\u03bc\u03ad\u03b3\u03b1", "C:\\Ωμέγα", nullopt},  // no such folder
        {u"C:\\\xd800", nullopt, nullopt}};                             // a lone surrogate is no text
    for (const auto& [text, utf8, legacy] : cases)
        EXPECT_EQ(InProcessPage(page, files, text), Either(utf8, legacy)) << Utf16ToUtf8(text);
}

TEST_P(BothWorlds, EveryEncodingAndLineEndGivesTheSameLinesAndOddFilesKeepWhatIsWholeAndSaySoWhenNot) {
    const std::u16string first = u"E:\tC:\\Data", second = u"f:\tC:\\Caf\u00e9 \u20ac";
    for (const std::u16string end : {u"\r\n", u"\n", u"\r"}) {
        const std::string utf8End(end.begin(), end.end());
        const std::string forms[] = {"E:\tC:\\Data" + utf8End + "f:\tC:\\Caf\xe9 \x80",
                                     kBom + Utf16ToUtf8(first + end + second), Utf16ToUtf8(first + end + second),
                                     "\xFF\xFE" + Utf16(first + end + second),
                                     "\xFE\xFF" + Utf16(first + end + second, true)};
        const std::string ends[] = {utf8End, utf8End, utf8End, Utf16(end), Utf16(end, true)};
        for (int i = 0; i < 10; ++i) {  // each form without and with a last line end
            const DecodedLines read = Read(forms[i / 2] + (i % 2 ? ends[i / 2] : ""));
            EXPECT_EQ(std::tuple(read.lines, read.complete),
                      std::tuple(Lines{"E:\tC:\\Data", Held("f:\tC:\\Café €")}, true))
                << i;
        }
    }
    const Lines data{"E:\tC:\\Data"}, two{"E:\tC:\\Data", "F:\tC:\\Temp"};
    const struct {
        std::string bytes;
        Lines utf8, legacy;  // the lines read in either world
        bool complete[2];    // in either world
    } cases[] = {
        // Without a mark each line decides: legacy, UTF-8 (a folder by its short form where the page lacks it), mixed.
        {"C:\\M\xFCll\r\nC:\\Data\\日本\r\nC:\\Caf\xE9",
         {"C:\\Müll", "C:\\Data\\日本", "C:\\Café"},
         {"C:\\M\xFCll", "C:\\Data\\__~1", "C:\\Caf\xE9"},
         {true, true}},
        {"D:\\Жук\r\nC:\\Data", {"D:\\Жук", "C:\\Data"}, {"C:\\Data"}, {true, false}},  // no short form: left out
        {"C:\\M\xC3(\r\nC:\\\xC0\xAF\r\nC:\\\xC3",
         {"C:\\MÃ(", "C:\\À¯", "C:\\Ã"},
         {"C:\\M\xC3(", "C:\\\xC0\xAF", "C:\\\xC3"},
         {true, true}},                                           // malformed, overlong, cut: legacy
        {"C:\\\xC3\xBC", {"C:\\ü"}, {"C:\\\xFC"}, {true, true}},  // "Ã¼" in legacy bytes reads as "ü"
        // A mark decides for the whole file: a line malformed in its encoding, or cut off, is left out.
        {kBom + "C:\\M\xFCll\r\nE:\tC:\\Data", data, data, {false, false}},
        {kBom + "E:\tC:\\Data\r\nF:\tC:\\Caf\xC3", data, data, {false, false}},
        {"\xFF\xFE", {}, {}, {true, true}},
        {"\xFE\xFF" + Utf16(u"\u20ac\u0081\u017e\u0178", true), {"€\u0081žŸ"}, {"\x80\x81\x9e\x9f"}, {true, true}},
        // An odd byte in a line, and after a line end; cut in a surrogate pair; a lone low surrogate.
        {"\xFF\xFE" + Utf16(u"E:\tC:\\Data\r\nF:\tC:\\Da") + "t", data, data, {false, false}},
        {"\xFF\xFE" + Utf16(u"E:\tC:\\Data\r\nF:\tC:\\Temp\r") + "\n", two, two, {false, false}},
        {"\xFF\xFE" + Utf16(u"E:\tC:\\Data\nF:\tC:\\\xD83D"), data, data, {false, false}},
        {"\xFE\xFF" + Utf16(u"F:\tC:\\\xDE00\nE:\tC:\\Data", true), data, data, {false, false}}};
    for (const auto& c : cases) {
        const DecodedLines read = Read(c.bytes);
        EXPECT_EQ(std::tuple(read.lines, read.complete), std::tuple(Either(c.utf8, c.legacy), c.complete[!GetParam()]))
            << c.bytes;
    }
}

// The same bytes in either world for the same line: nothing changes for a file the legacy code page holds.
TEST_P(BothWorlds, ALineTheLegacyPageHoldsIsWrittenInItByteForByteAnyOtherInUtf8AndEveryLineReadsBackAsWritten) {
    const std::pair<std::string, std::string> cases[] = {
        // the line, in UTF-8; the bytes written
        {"ÿþ:\\x", "ÿþ:\\x"},  // its legacy bytes, FF FE, would read back as the mark of a UTF-16 file
        {"E:\tC:\\Data", "E:\tC:\\Data"},
        {"e:\tc:\\müll € \u0081", "e:\tc:\\m\xFCll \x80 \x81"},
        {"C:\\Data\\日本 Ω", "C:\\Data\\日本 Ω"},  // in UTF-8 only: the legacy process page cannot hold it
        {"C:\\Ã¼", "C:\\Ã¼"},                      // ... C3 BC, as "ü"
        {"ï»¿x", "ï»¿x"}};
    Lines written;
    std::string file;
    for (const auto& [line, bytes] : cases) {
        const auto held = page.FromUtf16(platform::Page::Process, platform::sim::Wide(line));
        if (!held) continue;
        EXPECT_EQ(EncodeLine(page, *held), bytes) << line;
        written.push_back(*held);
        file += EncodeLine(page, *held) + "\r\n";
    }
    EXPECT_EQ(written.size(), GetParam() ? 6u : 5u);
    EXPECT_EQ(std::tuple(Read(file).lines, Read(file).complete), std::tuple(written, true));
}

}  // namespace
}  // namespace plivant
