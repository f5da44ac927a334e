// The program's text files (the start-up list, the history) and its texts in the registry (values of every shape,
// the string table).
#include <gtest/gtest.h>

#include <set>

#include "platform/WinConst.h"
#include "platform/sim/SimCodePage.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimRegistry.h"
#include "state/History.h"
#include "state/StartupList.h"
#include "state/UiStrings.h"
#include "state/modRegistry.h"

namespace plivant {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;
constexpr const char *kFolder = "C:\\Apps\\Plivant\\", *kList = "C:\\Apps\\Plivant\\mount.ini",
                     *kHistory = "C:\\Apps\\Plivant\\Plivant.ini";

class ProgramFolder : public testing::Test {
protected:
    ProgramFolder() { fs.AddFolder("C:\\Apps\\Plivant"); }
    StartupListContent ReadList() { return ReadStartupList(fs, codePage, kFolder); }
    platform::sim::SimFileSystem fs;
    platform::sim::SimCodePage codePage;
};

TEST_F(ProgramFolder, TheStartupListIsReadInItsStatesAndSavedWhole) {
    EXPECT_EQ(ReadList().state, ListFileState::Absent);
    fs.AddFile(kList, "E:\tC:\\Data\r\nnot a pair\r\n\r\nF:\tC:\\Temp");
    const Lines lines{"E:\tC:\\Data", "not a pair", "", "F:\tC:\\Temp"};
    for (const auto& [attributes, locked, state] : {std::tuple{win::kFileAttributeHidden, false, ListFileState::Hidden},
                                                    {win::kFileAttributeSystem, true, ListFileState::Hidden},
                                                    {win::kFileAttributeArchive, true, ListFileState::Unreadable},
                                                    {win::kFileAttributeReadOnly, false, ListFileState::Read}}) {
        fs.SetAttributes(kList, attributes);
        fs.SetLocked(kList, locked);
        const StartupListContent read = ReadList();
        EXPECT_EQ(std::tuple(read.state, read.lines), std::tuple(state, state == ListFileState::Read ? lines : Lines{}))
            << attributes << locked;
    }
    fs.AddFile(kList,
               "\xEF\xBB\xBF"
               "E:\tC:\\Café\r\nG:\tC:\\\xE9\r\nF:\tC:\\Temp\r\n");  // a line that is no UTF-8
    EXPECT_EQ(std::tuple(ReadList().state, ReadList().lines),
              std::tuple(ListFileState::Partial, Lines{"E:\tC:\\Café", "F:\tC:\\Temp"}));
    ASSERT_TRUE(SaveStartupList(fs, codePage, kFolder, {}));
    EXPECT_EQ(fs.Content(kList), "");
    ASSERT_TRUE(SaveStartupList(fs, codePage, kFolder, {"E:\tC:\\Café", "F:\tC:\\日本"}));
    fs.SetWritable("C:\\Apps\\Plivant", false);
    EXPECT_FALSE(SaveStartupList(fs, codePage, kFolder, {"F:\tC:\\Temp"}));
    EXPECT_EQ(fs.Content(kList), "E:\tC:\\Caf\xE9\r\nF:\tC:\\日本\r\n");
}

TEST_F(ProgramFolder, HistoryAppendsInOrderClearsAndReportsFailures) {
    EXPECT_EQ(LoadHistory(fs, codePage, kFolder), Lines{});
    const Lines folders{"C:\\Müll", "C:\\Müll", "", "D:\\", "C:\\日本"};  // one file, lines of both kinds
    for (const auto& folder : folders) ASSERT_TRUE(AppendHistory(fs, codePage, kFolder, folder));
    EXPECT_EQ(fs.Content(kHistory), "C:\\M\xFCll\r\nC:\\M\xFCll\r\n\r\nD:\\\r\nC:\\日本\r\n");
    EXPECT_EQ(LoadHistory(fs, codePage, kFolder), folders);
    EXPECT_TRUE(ClearHistory(fs, kFolder) && !fs.Exists(kHistory) && ClearHistory(fs, kFolder));
    fs.SetWritable("C:\\Apps\\Plivant", false);
    EXPECT_FALSE(AppendHistory(fs, codePage, kFolder, "C:\\Data"));  // no new file in a read-only folder
    EXPECT_FALSE(fs.Exists(kHistory));
    fs.SetWritable("C:\\Apps\\Plivant", true);
    ASSERT_TRUE(AppendHistory(fs, codePage, kFolder, "C:\\Data"));
    fs.SetLocked(kHistory, true);  // open elsewhere: neither written nor read
    EXPECT_FALSE(AppendHistory(fs, codePage, kFolder, "C:\\Temp"));
    EXPECT_EQ(LoadHistory(fs, codePage, kFolder), Lines{});
}

using namespace plivant::win;

TEST(GetRegString, ValueOfEveryShapeOrTheDefault) {
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
    registry.SetString(kHkeyCurrentUser, kLanguageKey, "5006", "Hinzu");
    EXPECT_EQ(std::tuple(GetRegString(registry, kHkeyCurrentUser, kLanguageKey, "5005"),
                         GetRegString(registry, 0x80000002u, kLanguageKey, "5006", "Add"), registry.OpenHandles()),
              std::tuple("", "Add", 0));
}

TEST(UiStrings, EveryTextHasItsOwnEnglishDefaultUnlessTheTableTranslatesIt) {
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
}

}  // namespace
}  // namespace plivant
