// BrowseForFolder against the scripted dialog: the dialog's settings, the initial selection, the result's
// shape, and the memory freed in every case.
#include "windows/main/modFolderBrowse.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/WinConst.h"
#include "platform/sim/SimShell.h"

namespace plivant {
namespace {

using platform::sim::SimShell;
using platform::sim::SimWindowing;

struct ChoiceCase {
    std::optional<std::string> choice;
    std::string expected;
};

class BrowseChoice : public testing::TestWithParam<ChoiceCase> {};

TEST_P(BrowseChoice, ResultAndEveryBlockFreed) {
    SimShell shell;
    SimWindowing windowing;
    shell.browseChoice = GetParam().choice;
    EXPECT_EQ(BrowseForFolder(shell, windowing, 0x1234, "Folder to mount", "C:\\Program Files\\Plivant"),
              GetParam().expected);
    EXPECT_EQ(shell.LiveItemLists(), 0);
    EXPECT_EQ(shell.LiveLocalBlocks(), 0);
}

INSTANTIATE_TEST_SUITE_P(Choices, BrowseChoice,
                         testing::Values(ChoiceCase{std::nullopt, ""},             // cancel
                                         ChoiceCase{std::string(""), ""},          // an item without a file-system path
                                         ChoiceCase{std::string("D:\\"), "D:\\"},  // a drive root
                                         ChoiceCase{std::string("C:\\Data"), "C:\\Data"},
                                         ChoiceCase{std::string("C:\\My Data   "),
                                                    "C:\\My Data"},                          // trailing blanks go
                                         ChoiceCase{std::string("C:\\Tab\t"), "C:\\Tab\t"},  // only blanks
                                         ChoiceCase{std::string(259, 'x'), std::string(259, 'x')}));

TEST(BrowseForFolder, DialogSettingsAndTheInitialSelection) {
    SimShell shell;
    SimWindowing windowing;
    shell.browseChoice = "E:\\Music";
    BrowseForFolder(shell, windowing, 0x4242, "Folder to mount", "C:\\Program Files\\Plivant");
    ASSERT_EQ(shell.browses.size(), 1u);
    const auto& browse = shell.browses[0];
    EXPECT_EQ(browse.owner, 0x4242u);
    EXPECT_EQ(browse.title, "Folder to mount");
    EXPECT_EQ(browse.flags, 0x43u);
    EXPECT_EQ(browse.callbackDataText, "C:\\Program Files\\Plivant");
    EXPECT_EQ(browse.callbackResults, (std::vector<int32_t>{0, 0}));
    // Only the "initialised" message selects: exactly one message, to the dialog.
    ASSERT_EQ(windowing.sent.size(), 1u);
    EXPECT_EQ(windowing.sent[0].window, SimShell::kDialog);
    EXPECT_EQ(windowing.sent[0].message, 0x466u);
    EXPECT_NE(windowing.sent[0].wParam, 0u);
    EXPECT_EQ(windowing.sent[0].lParamText, "C:\\Program Files\\Plivant");
}

TEST(BrowseForFolder, WithoutALocalBlockTheDialogOpensWithoutSelection) {
    SimShell shell;
    SimWindowing windowing;
    shell.localHeapExhausted = true;
    shell.browseChoice = "C:\\Data";
    EXPECT_EQ(BrowseForFolder(shell, windowing, 0, "t", "C:\\"), "C:\\Data");
    EXPECT_TRUE(windowing.sent.empty());
    EXPECT_EQ(shell.LiveItemLists(), 0);
}

}  // namespace
}  // namespace plivant
