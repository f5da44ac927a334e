// BrowseForFolder against the scripted dialog: the dialog's settings, the initial selection, the result's
// shape, and the memory freed in every case.
#include "windows/main/modFolderBrowse.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/sim/SimShell.h"

namespace plivant {
namespace {

using platform::sim::SimShell;
using platform::sim::SimWindowing;

TEST(BrowseForFolder, ResultAndEveryBlockFreed) {
    const std::pair<std::optional<std::string>, std::string> choices[] = {
        {std::nullopt, ""},                 // cancel
        {"", ""},                           // an item without a file-system path
        {"D:\\", "D:\\"},                   // a drive root
        {"C:\\My Data   ", "C:\\My Data"},  // trailing blanks go
        {"C:\\Tab\t", "C:\\Tab\t"},         // only blanks
        {std::string(259, 'x'), std::string(259, 'x')}};
    for (const auto& [choice, expected] : choices) {
        SimShell shell;
        SimWindowing windowing;
        shell.browseChoice = choice;
        EXPECT_EQ(BrowseForFolder(shell, windowing, 0x1234, "Folder to mount", "C:\\Program Files\\Plivant"), expected);
        EXPECT_EQ(shell.LiveItemLists() + shell.LiveLocalBlocks(), 0);
    }
}

TEST(BrowseForFolder, DialogSettingsAndTheInitialSelectionOrNoneWithoutALocalBlock) {
    SimShell shell;
    SimWindowing windowing;
    shell.browseChoice = "E:\\Music";
    BrowseForFolder(shell, windowing, 0x4242, "Folder to mount", "C:\\Program Files\\Plivant");
    ASSERT_EQ(shell.browses.size(), 1u);
    const auto& browse = shell.browses[0];
    EXPECT_EQ(std::tuple(browse.owner, browse.title, browse.flags, browse.callbackDataText),
              std::tuple(0x4242u, std::string("Folder to mount"), 0x43u, std::string("C:\\Program Files\\Plivant")));
    EXPECT_EQ(browse.callbackResults, (std::vector<int32_t>{0, 0}));
    // Only the "initialised" message selects: exactly one message, to the dialog.
    ASSERT_EQ(windowing.sent.size(), 1u);
    const auto& sent = windowing.sent[0];
    EXPECT_EQ(std::tuple(sent.window, sent.message, sent.wParam != 0, sent.lParamText),
              std::tuple(SimShell::kDialog, 0x466u, true, std::string("C:\\Program Files\\Plivant")));

    shell.localHeapExhausted = true;
    windowing.sent.clear();
    shell.browseChoice = "C:\\Data";
    EXPECT_EQ(BrowseForFolder(shell, windowing, 0, "t", "C:\\"), "C:\\Data");
    EXPECT_TRUE(windowing.sent.empty());
    EXPECT_EQ(shell.LiveItemLists(), 0);
}

}  // namespace
}  // namespace plivant
