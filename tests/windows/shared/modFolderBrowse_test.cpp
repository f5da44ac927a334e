// BrowseForFolder against the scripted dialog: the dialog's settings, the initial selection, the result's
// shape, and the memory freed in every case.
#include "windows/shared/modFolderBrowse.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/sim/SimShell.h"

namespace plivant {
namespace {

using platform::sim::SimShell;
using platform::sim::SimWindowing;

// Each answer of the dialog, every block freed; the dialog's settings; only the "initialised" message selects the
// initial folder (one message, to the dialog), and nothing is selected without a local block.
TEST(BrowseForFolder, ResultSettingsSelectionAndEveryBlockFreed) {
    const std::pair<std::optional<std::string>, std::string> choices[] = {
        {std::nullopt, ""},            // cancel
        {"", ""},                      // an item without a file-system path
        {"C:\\Tab\t  ", "C:\\Tab\t"},  // trailing blanks go, only blanks
        {std::string(259, 'x'), std::string(259, 'x')}};
    for (const auto& [choice, expected] : choices) {
        SimShell shell;
        SimWindowing windowing;
        shell.browseChoice = choice;
        EXPECT_EQ(BrowseForFolder(shell, windowing, 0x4242, "Folder to mount", "C:\\Program Files\\Plivant"), expected);
        EXPECT_EQ(shell.LiveItemLists() + shell.LiveLocalBlocks(), 0);
        const auto& browse = shell.browses.at(0);
        EXPECT_EQ(std::tuple(browse.owner, browse.flags, browse.callbackDataText),
                  std::tuple(0x4242u, 0x43u, std::string("C:\\Program Files\\Plivant")));
        ASSERT_EQ(windowing.sent.size(), 1u);
        EXPECT_EQ(std::tuple(windowing.sent[0].message, windowing.sent[0].lParamText),
                  std::tuple(0x466u, std::string("C:\\Program Files\\Plivant")));
    }
    SimShell shell;
    SimWindowing windowing;
    shell.browseChoice = "E:\\Music";
    shell.localHeapExhausted = true;
    EXPECT_EQ(BrowseForFolder(shell, windowing, 0, "t", "C:\\"), "E:\\Music");
    EXPECT_TRUE(windowing.sent.empty());
}

}  // namespace
}  // namespace plivant
