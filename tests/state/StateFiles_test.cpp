// The program's text files (start-up list, history), its texts in the registry (values of every shape, the string
// table), and texts in both worlds of a (simulated) Western system, UTF-8 as the process code page (one that honours
// the manifest) and Windows-1252: what the system hands over (by its short form where the page cannot hold it, never
// with "?"), the reader's choice per line and the mark's per file, the writer's bytes; the installer's folder check.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "platform/WinConst.h"
#include "platform/sim/SimCodePage.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimRegistry.h"
#include "state/History.h"
#include "state/StartupList.h"
#include "state/TextEncoding.h"
#include "state/TextLines.h"
#include "state/UiStrings.h"
#include "state/modRegistry.h"

namespace plivant {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;
using std::nullopt;

constexpr const char *kFolder = "C:\\Apps\\Plivant\\", *kList = "C:\\Apps\\Plivant\\mount.ini",
                     *kHistory = "C:\\Apps\\Plivant\\Plivant.ini";

TEST(ProgramFolder, TheHistoryAppendsInOrderClearsAndReportsFailuresAndTheStartupListIsReadInItsStatesAndSavedWhole) {
    platform::sim::SimFileSystem fs;
    platform::sim::SimCodePage codePage;
    fs.AddFolder("C:\\Apps\\Plivant");
    const auto readList = [&] { return ReadStartupList(fs, codePage, kFolder); };
    EXPECT_EQ(LoadHistory(fs, codePage, kFolder), Lines{});
    const Lines folders{"C:\\Müll", "C:\\Müll", "", "D:\\", "C:\\日本"};  // one file, lines of both kinds
    for (const auto& folder : folders) ASSERT_TRUE(AppendHistory(fs, codePage, kFolder, folder));
    EXPECT_EQ(fs.Content(kHistory), "C:\\M\xFCll\r\nC:\\M\xFCll\r\n\r\nD:\\\r\nC:\\日本\r\n");
    EXPECT_EQ(LoadHistory(fs, codePage, kFolder), folders);
    EXPECT_TRUE(ClearHistory(fs, kFolder) && !fs.Exists(kHistory) && ClearHistory(fs, kFolder));
    fs.SetWritable("C:\\Apps\\Plivant", false);  // no new file in a read-only folder
    EXPECT_FALSE(AppendHistory(fs, codePage, kFolder, "C:\\Data") || fs.Exists(kHistory));
    fs.SetWritable("C:\\Apps\\Plivant", true);
    ASSERT_TRUE(AppendHistory(fs, codePage, kFolder, "C:\\Data"));
    fs.SetLocked(kHistory, true);  // open elsewhere: neither written nor read
    EXPECT_FALSE(AppendHistory(fs, codePage, kFolder, "C:\\Temp"));
    EXPECT_EQ(LoadHistory(fs, codePage, kFolder), Lines{});
    EXPECT_EQ(readList().state, ListFileState::Absent);
    fs.AddFile(kList, "E:\tC:\\Data\r\nnot a pair\r\n\r\nF:\tC:\\Temp");
    const Lines lines{"E:\tC:\\Data", "not a pair", "", "F:\tC:\\Temp"};
    for (const auto& [attributes, locked, state] : {std::tuple{win::kFileAttributeHidden, false, ListFileState::Hidden},
                                                    {win::kFileAttributeSystem, true, ListFileState::Hidden},
                                                    {win::kFileAttributeArchive, true, ListFileState::Unreadable},
                                                    {win::kFileAttributeReadOnly, false, ListFileState::Read}}) {
        fs.SetAttributes(kList, attributes);
        fs.SetLocked(kList, locked);
        const StartupListContent read = readList();
        EXPECT_EQ(std::tuple(read.state, read.lines), std::tuple(state, state == ListFileState::Read ? lines : Lines{}))
            << attributes << locked;
    }
    fs.AddFile(kList,
               "\xEF\xBB\xBF"
               "E:\tC:\\Café\r\nG:\tC:\\\xE9\r\nF:\tC:\\Temp\r\n");  // a line that is no UTF-8
    EXPECT_EQ(std::tuple(readList().state, readList().lines),
              std::tuple(ListFileState::Partial, Lines{"E:\tC:\\Café", "F:\tC:\\Temp"}));
    ASSERT_TRUE(SaveStartupList(fs, codePage, kFolder, {}) && fs.Content(kList) == "");
    ASSERT_TRUE(SaveStartupList(fs, codePage, kFolder, {"E:\tC:\\Café", "F:\tC:\\日本"}));
    fs.SetWritable("C:\\Apps\\Plivant", false);
    EXPECT_FALSE(SaveStartupList(fs, codePage, kFolder, {"F:\tC:\\Temp"}));
    EXPECT_EQ(fs.Content(kList), "E:\tC:\\Caf\xE9\r\nF:\tC:\\日本\r\n");
}

using namespace plivant::win;

TEST(UiStrings, AValueOfEveryShapeOrTheDefaultAndEveryTextItsOwnEnglishDefaultUnlessTheTableTranslatesIt) {
    const std::tuple<uint32_t, std::string, std::string> cases[] = {
        {kRegSz, "Laufwerk"s, "Laufwerk"},  // without its NUL
        {kRegSz, "ab\0cd\0"s, "ab"},
        {kRegSz, std::string(5000, 'x') + '\0', std::string(5000, 'x')},
        {kRegExpandSz, "%TEMP%\0"s, "Drive Letter"},
        {kRegDword, "\x05\0\0\0"s, "Drive Letter"}};
    for (const auto& [type, bytes, expected] : cases) {
        platform::sim::SimRegistry registry;
        registry.SetValue(kHkeyCurrentUser, kLanguageKey, "5005", type, bytes);
        EXPECT_EQ(GetRegString(registry, kHkeyCurrentUser, kLanguageKey, "5005", "Drive Letter"), expected) << bytes;
        EXPECT_EQ(registry.OpenHandles(), 0);
    }
    platform::sim::SimRegistry registry;
    std::set<std::string> texts;
    for (int id = 5001; id <= 5034; ++id) {
        if (id > 5020 && id < 5029) continue;
        const auto text = static_cast<UiString>(id);
        EXPECT_EQ(LoadUiString(registry, text), DefaultText(text)) << id;
        EXPECT_TRUE(*DefaultText(text) && texts.insert(DefaultText(text)).second) << id << ": empty or not its own";
        registry.SetString(kHkeyCurrentUser, kLanguageKey, std::to_string(id), "T" + std::to_string(id));
        EXPECT_EQ(LoadUiString(registry, text), "T" + std::to_string(id));
    }
    registry.SetString(kHkeyCurrentUser, kLanguageKey, "5009", "");
    EXPECT_EQ(LoadUiString(registry, UiString::Title), "") << "an empty translation is empty, not the default";
    EXPECT_EQ(std::tuple(GetRegString(registry, kHkeyCurrentUser, kLanguageKey, "5021"),
                         GetRegString(registry, 0x80000002u, kLanguageKey, "5006", "Add"), registry.OpenHandles()),
              std::tuple("", "Add", 0));
}

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
        EXPECT_EQ(InProcessPage(page, files, text), (GetParam() ? utf8 : legacy)) << Utf16ToUtf8(text);
}

TEST_P(BothWorlds, EveryEncodingAndLineEndGivesTheSameLinesAndOddFilesKeepWhatIsWholeAndSaySoWhenNot) {
    const std::u16string first = u"E:\tC:\\Data", second = u"f:\tC:\\Caf\u00e9 \u20ac";
    const Lines both{"E:\tC:\\Data", page.FromUtf16(platform::Page::Process, second).value()};
    for (const std::u16string end : {u"\r\n", u"\n", u"\r"}) {
        const std::string utf8End(end.begin(), end.end());
        const std::string forms[] = {"E:\tC:\\Data" + utf8End + "f:\tC:\\Caf\xe9 \x80",
                                     kBom + Utf16ToUtf8(first + end + second), Utf16ToUtf8(first + end + second),
                                     "\xFF\xFE" + Utf16(first + end + second),
                                     "\xFE\xFF" + Utf16(first + end + second, true)};
        const std::string ends[] = {utf8End, utf8End, utf8End, Utf16(end), Utf16(end, true)};
        for (int i = 0; i < 10; ++i) {  // each form without and with a last line end
            const DecodedLines read = Read(forms[i / 2] + (i % 2 ? ends[i / 2] : ""));
            EXPECT_EQ(std::tuple(read.lines, read.complete), std::tuple(both, true)) << i;
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
        EXPECT_EQ(std::tuple(read.lines, read.complete),
                  std::tuple((GetParam() ? c.utf8 : c.legacy), c.complete[!GetParam()]))
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

// The installer's folder check (installer/Plivant.nsi, CheckFolder) as Windows answers its code-page conversions: in
// UTF-8 where Windows honours the program's UTF-8 process code page (build 18362 and later) or its ANSI code page is
// UTF-8, else in Windows-1252. Wine accepts flags that Windows refuses with UTF-8, so the calls are read from the
// script and made on the simulated conversions, which refuse them as Windows does.
struct Conversions {
    std::vector<platform::sim::WideToAnsi> toAnsi;
    std::vector<uint32_t> toWide;
    bool byRoute = true;  // every call converts in the code page the script chose: UTF-8 from build 18362 on
};

// Every conversion CheckFolder calls, with its flags and whether it passes the default-character pointers.
Conversions ReadCheckFolder() {
    const std::string script =
        (std::stringstream() << std::ifstream(PLIVANT_SOURCE_DIR "/installer/Plivant.nsi").rdbuf()).str();
    const size_t start = script.find("Function CheckFolder");
    const std::string body = script.substr(start, script.find("FunctionEnd", start) - start);
    Conversions found;
    const std::regex call(R"(kernel32::(WideCharToMultiByte|MultiByteToWideChar)\(i (\w+), i (\w+), ([^)]*)\))");
    found.byRoute =
        std::regex_search(body, std::regex(R"(StrCpy \$5 0\s+\$\{If\} \$\{AtLeastBuild\} 18362\s+StrCpy \$5 65001)"));
    for (std::sregex_iterator it(body.begin(), body.end(), call), end; it != end; ++it) {
        found.byRoute = found.byRoute && (*it)[2] == "r5";
        const uint32_t flags = static_cast<uint32_t>(std::stoul((*it)[3], nullptr, 0));
        if ((*it)[1] == "MultiByteToWideChar") {
            found.toWide.push_back(flags);
            continue;
        }
        std::vector<std::string> args;  // text, length, buffer, size, default character, used-default flag
        std::stringstream list((*it)[4]);
        for (std::string arg; std::getline(list, arg, ',');) args.push_back(arg.substr(arg.find_first_not_of(' ')));
        found.toAnsi.push_back({flags, args.at(4) != "p 0", args.at(5) != "p 0"});
    }
    return found;
}

// What CheckFolder decides: the folder comes back unchanged from the ANSI code page.
bool Accepted(const Conversions& check, unsigned codePage, const std::u16string& folder) {
    std::optional<std::string> ansi;
    for (const auto& call : check.toAnsi)
        if (!(ansi = platform::sim::WideCharToMultiByte(codePage, call, folder))) return false;
    for (const uint32_t flags : check.toWide)
        if (platform::sim::MultiByteToWideChar(codePage, flags, ansi.value_or("")) != folder) return false;
    return ansi && !check.toWide.empty();
}

TEST(InstallerFolderCheck, AcceptsWhatComesBackFromTheAnsiCodePageWithWesternAndWithUtf8) {
    const Conversions check = ReadCheckFolder();
    ASSERT_FALSE(check.toAnsi.empty());
    EXPECT_TRUE(check.byRoute);
    const std::tuple<std::u16string, bool, bool> cases[] = {
        // folder, accepted with 1252, with UTF-8
        {u"C:\\Users\\Ana\\AppData\\Local\\Programs\\Plivant", true, true},
        {u"C:\\Caf\u00e9 \u20ac\\Plivant", true, true},
        {u"C:\\\u03a9\u03bc\u03ad\u03b3\u03b1\\Plivant", false, true},
        {u"C:\\Data\u221e", false, true},  // best fit: "C:\Data8"
        {u"C:\\\xd800", false, false}};    // a lone surrogate has no form anywhere
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& [folder, western, utf8] = cases[i];
        EXPECT_EQ(std::pair(Accepted(check, 1252, folder), Accepted(check, 65001, folder)), std::pair(western, utf8))
            << "case " << i;
    }
}

}  // namespace
}  // namespace plivant
