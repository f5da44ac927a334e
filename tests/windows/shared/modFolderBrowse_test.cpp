// BrowseForFolder against the scripted dialog: the dialog's settings, the initial selection, the result's
// shape, and the memory freed in every case.
#include "windows/shared/modFolderBrowse.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/sim/SimPlatform.h"

namespace plivant {
namespace {

using Named = std::optional<std::string>;

// Each answer of the dialog, every block freed; the dialog's settings; only the "initialised" message selects the
// initial folder (one message, to the dialog), and nothing is selected without a local block. A folder the legacy
// process code page cannot hold comes by its short form, or is refused (nothing) without one.
TEST(BrowseForFolder, ResultSettingsSelectionAndEveryBlockFreed) {
    const std::tuple<Named, Named, bool> choices[] = {
        {std::nullopt, "", true},            // cancel
        {"", "", true},                      // an item without a file-system path
        {"C:\\Tab\t  ", "C:\\Tab\t", true},  // trailing blanks go, only blanks
        {std::string(259, 'x'), std::string(259, 'x'), true},
        {"C:\\日本", "C:\\日本", true},
        {"C:\\日本", "C:\\__~1", false},
        {"C:\\Жук", std::nullopt, false}};  // missing: no short form
    for (const auto& [choice, expected, utf8] : choices) {
        platform::sim::SimPlatform sim;
        sim.codePage.utf8 = utf8;
        sim.files.AddFolder("C:\\日本");
        auto& shell = sim.shell;
        auto& windowing = sim.windowing;
        shell.browseChoice = choice;
        auto ports = sim.Ports();
        EXPECT_EQ(BrowseForFolder(ports, 0x4242, "Folder to mount", "C:\\Program Files\\Plivant"), expected);
        EXPECT_EQ(shell.LiveItemLists() + shell.LiveLocalBlocks(), 0);
        const auto& browse = shell.browses.at(0);
        EXPECT_EQ(std::tuple(browse.owner, browse.flags, browse.callbackDataText),
                  std::tuple(0x4242u, 0x43u, std::string("C:\\Program Files\\Plivant")));
        ASSERT_EQ(windowing.sent.size(), 1u);
        EXPECT_EQ(std::tuple(windowing.sent[0].message, windowing.sent[0].lParamText),
                  std::tuple(0x466u, std::string("C:\\Program Files\\Plivant")));
    }
    platform::sim::SimPlatform sim;
    sim.shell.browseChoice = "E:\\Music";
    sim.shell.localHeapExhausted = true;
    auto ports = sim.Ports();
    EXPECT_EQ(BrowseForFolder(ports, 0, "t", "C:\\"), "E:\\Music");
    EXPECT_TRUE(sim.windowing.sent.empty());
}

}  // namespace
}  // namespace plivant
