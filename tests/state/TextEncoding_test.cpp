// Text files as other programs write them, brought into the (simulated, Western) ANSI code page.
#include "state/TextEncoding.h"

#include <gtest/gtest.h>

#include "platform/sim/SimCodePage.h"

namespace plivant {
namespace {

using Lines = std::vector<std::string>;

std::string Utf16(std::u16string_view text, bool bigEndian = false) {
    std::string bytes;
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

AnsiLines Read(const std::string& bytes) {
    platform::sim::SimCodePage westernCodePage;
    return ToAnsiLines(bytes, westernCodePage);
}

TEST(TextEncoding, EveryEncodingAndLineEndGivesTheSameAnsiLinesAndOddFilesKeepWhatIsWholeAndSaySoWhenNot) {
    const std::u16string first = u"E:\tC:\\Data", second = u"f:\tC:\\Caf\u00e9 \u20ac";
    for (const std::u16string end : {u"\r\n", u"\n", u"\r"}) {
        const std::string utf8End(end.begin(), end.end());
        const std::string forms[] = {"E:\tC:\\Data" + utf8End + "f:\tC:\\Caf\xe9 \x80",
                                     "\xEF\xBB\xBF"
                                     "E:\tC:\\Data" +
                                         utf8End + "f:\tC:\\Caf\xC3\xA9 \xE2\x82\xAC",
                                     "E:\tC:\\Data" + utf8End + "f:\tC:\\Caf\xC3\xA9 \xE2\x82\xAC",
                                     "\xFF\xFE" + Utf16(first + end + second),
                                     "\xFE\xFF" + Utf16(first + end + second, true)};
        const std::string ends[] = {utf8End, utf8End, utf8End, Utf16(end), Utf16(end, true)};
        for (int i = 0; i < 10; ++i) {  // each form without and with a last line end
            const AnsiLines read = Read(forms[i / 2] + (i % 2 ? ends[i / 2] : ""));
            EXPECT_EQ(std::tuple(read.lines, read.complete),
                      std::tuple(Lines{"E:\tC:\\Data", "f:\tC:\\Caf\xe9 \x80"}, true))
                << i;
        }
    }
    const Lines data{"E:\tC:\\Data"}, two{"E:\tC:\\Data", "F:\tC:\\Temp"};
    const struct {
        std::string bytes;
        Lines lines;
        bool complete;
    } cases[] = {
        {"\xFF\xFE", {}, true},
        {"E:\tC:\\M\xC3(\r\nF:\tC:\\\xE9t\xE9", {"E:\tC:\\M\xC3(", "F:\tC:\\\xE9t\xE9"}, true},  // not UTF-8: ANSI
        {"E:\tC:\\\xC0\xAF", {"E:\tC:\\\xC0\xAF"}, true},  // an overlong form: not UTF-8
        {"E:\tC:\\\xC3\xA9\r\nF:\tC:\\\xC3", {"E:\tC:\\\xC3\xA9", "F:\tC:\\\xC3"}, true},  // cut, without a mark
        {"\xEF\xBB\xBF"
         "E:\tC:\\Data\r\nF:\tC:\\Caf\xC3",
         data, false},                                                      // cut, with a mark
        {"G:\tC:\\\xE4\xB8\x80\xE4\xBA\x8C\r\nE:\tC:\\Data", data, false},  // another script
        {"\xEF\xBB\xBF"
         "E:\tC:\\Data\nG:\tC:\\Data\xE2\x88\x9E",
         data, false},                                            // no best fit
        {"G:\tC:\\\xF0\x9F\x98\x80\nE:\tC:\\Data", data, false},  // beyond the basic plane
        {"\xFE\xFF" + Utf16(u"\u20ac\u0081\u017e\u0178\r\nG:\u0100", true), {"\x80\x81\x9e\x9f"}, false},
        {"\xFF\xFE" + Utf16(u"E:\tC:\\Data\r\nF:\tC:\\Da") + "t", data, false},      // an odd byte in a line
        {"\xFF\xFE" + Utf16(u"E:\tC:\\Data\r\nF:\tC:\\Temp\r") + "\n", two, false},  // ... after a line end
        {"\xFF\xFE" + Utf16(u"E:\tC:\\Data\nF:\tC:\\\xD83D"), data, false},          // cut in a surrogate pair
        {"\xFE\xFF" + Utf16(u"F:\tC:\\\xDE00\nE:\tC:\\Data", true), data, false}};   // a lone low surrogate
    for (const auto& c : cases) {
        const AnsiLines read = Read(c.bytes);
        EXPECT_EQ(std::tuple(read.lines, read.complete), std::tuple(c.lines, c.complete)) << c.bytes;
    }
}

}  // namespace
}  // namespace plivant
