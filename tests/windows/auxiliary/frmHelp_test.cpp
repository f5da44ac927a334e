// frmHelp: the help text for the English texts and for translated ones, and the window that shows it.
#include "windows/auxiliary/frmHelp.h"

#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "platform/sim/SimPlatform.h"
#include "state/UiStrings.h"
#include "ui/sim/HeadlessToolkit.h"

namespace plivant {
namespace {

TEST(HelpText, TheEnglishTextLineByLine) {
    EXPECT_EQ(HelpText(DefaultText(UiString::HelpHeading), DefaultText(UiString::HelpParagraph1),
                       DefaultText(UiString::HelpParagraph2), DefaultText(UiString::DevelopedBy)),
              "\r\n"
              "   ..: PLIVANT HELP :..\r\n"
              "   ....................\r\n"
              "\r\n"
              "1. Right-Click on folder in explorer\r\n"
              "   and select mount. Select the drive\r\n"
              "   letter and mount.\r\n"
              "   \r\n"
              "2. Mount on win startup will mount a\r\n"
              "   selected folder to a drive letter\r\n"
              "   when run from the startup menu\r\n"
              "   with the switch /ini.\r\n"
              "   \r\n"
              "   Developed by Corvinel\r\n");
}

TEST(HelpText, TranslatedPieces) {
    const std::string long10k(10000, 'x');
    const struct {
        std::string heading, item1, item2, closing, expected;
    } cases[] = {
        {"HILFE", "a|b", "c", "Von",
         "\r\n   ..: HILFE :..\r\n   .............\r\n\r\n1. a\r\n   b\r\n   \r\n2. c\r\n   \r\n   Von Corvinel\r\n"},
        {"", "ends in a bar|", "", "",
         "\r\n   ..:  :..\r\n   ........\r\n\r\n1. ends in a bar\r\n   \r\n   \r\n2. \r\n   \r\n    Corvinel\r\n"},
        {long10k, long10k, "|", "x",
         "\r\n   ..: " + long10k + " :..\r\n   " + std::string(10008, '.') + "\r\n\r\n1. " + long10k +
             "\r\n   \r\n2. \r\n   \r\n   \r\n   x Corvinel\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HelpText(c.heading, c.item1, c.item2, c.closing), c.expected) << c.heading.substr(0, 10);
    }
}

TEST(HelpWindow, LoadsTheTranslatedTextIntoTheBoxThatTakesNoTyping) {
    platform::sim::SimPlatform sim;
    ui::sim::HeadlessToolkit toolkit{sim.windowing, sim.shell};
    platform::Platform ports = sim.Ports();
    for (const auto& [id, text] : {std::pair{"5011", "Hilfe"}, {"5014", "HILFE"}, {"5015", "eins"}, {"5016", "zwei"}})
        sim.registry.SetString(win::HKEY_CURRENT_USER, kLanguageKey, id, text);
    frmHelp help(toolkit, ports);
    help.Show();
    EXPECT_EQ(help.NuvaXPForm1.Caption(), "Hilfe");
    EXPECT_EQ(help.txtHelp.Text(), HelpText("HILFE", "eins", "zwei", "Developed by"));
    EXPECT_TRUE(help.txtHelp.MultiLine());
    EXPECT_EQ(help.txtHelp.Font().name, "Arial");
    EXPECT_FALSE(help.NuvaXPForm1.ShowMinimize() || help.NuvaXPForm1.ShowMaximize());
    for (int c : {int{'a'}, 1, 3, 8, 13, 22, 24, 26, 127}) {
        int16_t key = static_cast<int16_t>(c);
        help.txtHelp.KeyPress(key);
        EXPECT_EQ(key, 0) << c;
    }
}

}  // namespace
}  // namespace plivant
