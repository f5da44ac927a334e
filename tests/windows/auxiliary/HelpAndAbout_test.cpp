// The auxiliary windows: frmHelp's text, frmAbout's captions, version, link and the ways it closes; frmSplash's
// texts, topmost and closing itself after a second.
#include <gtest/gtest.h>


#include "SimHost.h"
#include "platform/WinConst.h"
#include "state/UiStrings.h"
#include "windows/auxiliary/SplashArt.h"
#include "windows/auxiliary/frmAbout.h"
#include "windows/auxiliary/frmHelp.h"
#include "windows/auxiliary/frmSplash.h"
#include "windows/shared/ProgramFacts.h"

namespace plivant {
namespace {

using WindowsTest = test::SimScreenTest;

// The heading's dots are as long as it in characters, in UTF-8 as in Windows-1252; a bar ends a paragraph's line.
TEST_F(WindowsTest, HelpShowsTheTranslatedTextInABoxThatTakesNoTypingAboutItsCaptionsVersionLinkAndWaysToClose) {
    for (const auto& [id, text] :
         {std::pair{"5011", "Hilfe"}, {"5015", "a|b"}, {"5016", "c|"}, {"5017", "Von"}, {"5029", "Info"}})
        sim.registry.SetString(win::kHkeyCurrentUser, kLanguageKey, id, text);
    for (const bool utf8 : {true, false}) {
        sim.codePage.utf8 = utf8;
        const std::string heading = utf8 ? "H\u00dcLFE" : "H\xdcLFE";
        sim.registry.SetString(win::kHkeyCurrentUser, kLanguageKey, "5014", heading);
        frmHelp help(toolkit, ports);
        help.Show();
        const std::string text = "\r\n   ..: " + heading + " :..\r\n   .............\r\n\r\n" +
                                 "1. a\r\n   b\r\n   \r\n2. c\r\n   \r\n   \r\n   Von Corvinel\r\n";
        EXPECT_EQ(std::tuple(help.NuvaXPForm1.Caption(), help.txtHelp.Text(), help.txtHelp.MultiLine()),
                  std::tuple("Hilfe", text, true));
        // A letter, Backspace and Ctrl+V are discarded; Ctrl+C copies. Locked, the box takes no other edit either.
        for (const auto& [typed, kept] : {std::pair{'a', 0}, {'\b', 0}, {'\x16', 0}, {'\x03', 3}}) {
            int16_t key = typed;
            help.txtHelp.KeyPress(key);
            EXPECT_EQ(std::tuple(key, help.txtHelp.Locked()), std::tuple(kept, true));
        }
    }
    sim.process.version = {4, 1, 0};
    frmAbout about(toolkit, ports);
    about.Show();
    about.SetDpi(192);  // on a monitor at 200 %: the logo and the link's hand pointer drawn again, twice as large
    about.RescaleTree();
    about.ZuLinkLabel1.lblLink.Click();
    EXPECT_EQ(
        std::tuple(about.NuvaXPForm1.Caption(), about.lblVersion.Caption(), about.Image2.Picture() == AboutLogo(2),
                   about.ZuLinkLabel1.lblLink.MouseIcon().hotY, sim.shell.executed.at(0).file),
        std::tuple(std::string("Info ") + facts::kProgramTitle, "Version 4.1.0", true, 16, facts::kMakerWebAddress));
    for (ui::Control* close : std::initializer_list<ui::Control*>{&about.cmdOK, &about.NuvaXPForm1.CloseButton}) {
        about.Show();
        int16_t typed = 'x';
        about.txtReg.KeyPress(typed);
        close->Click();
        EXPECT_EQ(std::tuple(typed, about.Loaded(), about.txtReg.Locked()), std::tuple(0, false, true));
    }
}

TEST_F(WindowsTest, ShowsTheVersionTopmostCentredAndClosesItselfAfterOneSecondDroppingTopmostFirst) {
    sim.process.version = {4, 1, 58};
    frmSplash splash(toolkit, sim.process);
    splash.Show();
    const auto handle = splash.hwnd();
    EXPECT_EQ(std::tuple(splash.lblName.Caption(), splash.Label2.Caption(), windowing.WindowRect(handle)->left),
              std::tuple("Plivant 4.1.58", "* * Freeware * *", 376));  // 273 pixels wide, centred: 375.5 rounded
    windowing.Advance(999);
    EXPECT_TRUE(splash.Loaded() && windowing.Topmost(handle));
    windowing.Advance(1);
    // The timer fired once and went too.
    EXPECT_EQ(std::tuple(splash.Loaded(), windowing.placements.size(), windowing.placements.at(1).insertAfter,
                         windowing.WindowCount() + windowing.ActiveTimers()),
              std::tuple(false, 2u, win::kHwndNoTopmost, 0));
}

}  // namespace
}  // namespace plivant
