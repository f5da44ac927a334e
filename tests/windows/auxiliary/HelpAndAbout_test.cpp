// The auxiliary windows: frmHelp's text, frmAbout's captions, version, link and the ways it closes; frmSplash's
// texts, topmost and closing itself after a second; the windows the main window opens.
#include <gtest/gtest.h>

#include <functional>

#include "SimHost.h"
#include "app/ProgramOpenedWindows.h"
#include "platform/WinConst.h"
#include "state/UiStrings.h"
#include "windows/auxiliary/SplashArt.h"
#include "windows/auxiliary/frmAbout.h"
#include "windows/auxiliary/frmHelp.h"
#include "windows/auxiliary/frmSplash.h"
#include "windows/shared/ProgramFacts.h"

namespace plivant {
namespace {

// The heading's dots are as long as it in characters, in UTF-8 as in Windows-1252; a bar ends the paragraph's line.
TEST(HelpText, TheDotsFollowTheHeadingAndABarEndsAParagraphsLine) {
    platform::sim::SimCodePage page;
    for (const bool utf8 : {true, false}) {
        page.utf8 = utf8;
        const std::string heading = utf8 ? "H\u00dcLFE" : "H\xdcLFE";
        EXPECT_EQ(HelpText(page, heading, "no bar", "ends in a bar|", "Von"),
                  "\r\n   ..: " + heading +
                      " :..\r\n   .............\r\n\r\n1. no bar\r\n   \r\n2. ends in a bar\r\n   \r\n   \r\n"
                      "   Von Corvinel\r\n");
    }
}

using WindowsTest = test::SimScreenTest;

TEST_F(WindowsTest, HelpLoadsTheTranslatedTextIntoABoxThatTakesNoTypingAboutItsCaptionsVersionLinkAndWaysToClose) {
    for (const auto& [id, text] : {std::pair{"5011", "Hilfe"}, {"5014", "HILFE"}, {"5015", "a|b"}, {"5017", "Von"}})
        sim.registry.SetString(win::kHkeyCurrentUser, kLanguageKey, id, text);
    frmHelp help(toolkit, ports);
    help.Show();
    EXPECT_EQ(std::tuple(help.NuvaXPForm1.Caption(), help.txtHelp.Text(), help.txtHelp.MultiLine()),
              std::tuple("Hilfe", HelpText(sim.codePage, "HILFE", "a|b", DefaultText(UiString::HelpParagraph2), "Von"),
                         true));
    // A letter, Backspace and Ctrl+V are discarded; Ctrl+C copies. Locked, the box takes no other edit either.
    for (const auto& [typed, kept] : {std::pair{'a', 0}, {'\b', 0}, {'\x16', 0}, {'\x03', 3}}) {
        int16_t key = typed;
        help.txtHelp.KeyPress(key);
        EXPECT_EQ(std::tuple(key, help.txtHelp.Locked()), std::tuple(kept, true));
    }
    sim.registry.SetString(win::kHkeyCurrentUser, kLanguageKey, "5029", "Info");
    sim.process.version = {4, 1, 0};
    frmAbout about(toolkit, ports);
    about.Show();
    EXPECT_EQ(about.NuvaXPForm1.Caption() + "|" + about.lblVersion.Caption(),
              std::string("Info ") + facts::kProgramTitle + "|Version 4.1.0");
    about.SetDpi(192);  // on a monitor at 200 %: the logo and the link's hand pointer drawn again, twice as large
    about.RescaleTree();
    EXPECT_EQ(std::tuple(about.Image2.Picture() == AboutLogo(2), about.ZuLinkLabel1.lblLink.MouseIcon().hotY),
              std::tuple(true, 16));
    about.ZuLinkLabel1.lblLink.Click();
    EXPECT_EQ(sim.shell.executed.at(0).file, facts::kMakerWebAddress);
    for (const auto& close : std::vector<std::function<void()>>{[&] { about.cmdOK.Click(); },
                                                                [&] { about.NuvaXPForm1.CloseButton.Click(); }}) {
        about.Show();
        int16_t typed = 'x';
        about.txtReg.KeyPress(typed);
        close();
        EXPECT_EQ(std::tuple(typed, about.Loaded(), about.txtReg.Locked()), std::tuple(0, false, true));
    }
}

TEST_F(WindowsTest, ShowsTheVersionTopmostCentredAndClosesItselfAfterOneSecondDroppingTopmostFirst) {
    sim.process.version = {4, 1, 58};
    frmSplash splash(toolkit, sim.process);
    splash.Show();
    const auto handle = splash.hwnd();
    EXPECT_EQ(splash.lblName.Caption() + "|" + splash.Label2.Caption(), "Plivant 4.1.58|* * Freeware * *");
    const auto rect = *windowing.WindowRect(handle);
    EXPECT_EQ(std::pair(rect.Width(), rect.left), std::pair(273, 376));  // 4095 twips, centred: 375.5 pixels rounded
    windowing.Advance(999);
    EXPECT_TRUE(splash.Loaded() && windowing.Topmost(handle));
    windowing.Advance(1);
    EXPECT_FALSE(splash.Loaded());
    ASSERT_EQ(windowing.placements.size(), 2u);
    EXPECT_EQ(windowing.placements[1].insertAfter, win::kHwndNoTopmost);
    EXPECT_EQ(windowing.WindowCount() + windowing.ActiveTimers(), 0);  // the timer fired once and went too
}

// The windows the main window opens: one shared instance each, made on first use and shown modally over the owner;
// ShowAboutBox through the same About window, which is unloaded and dropped afterwards.
class OpenedWindowsTest : public test::SimScreenTest {
protected:
    OpenedWindowsTest() {
        owner.Move(1500, 1500, 9000, 6000);
        owner.Show();
        toolkit.onModal = [this](ui::Form& form) {
            shown.push_back(form.Name() + (form.Owner() == &owner ? "" : " without its owner"));
            EXPECT_EQ(form.Left() + form.Width() / 2, 6000) << form.Name() << " is not centred over its owner";
            if (reenter) reenter();
            form.Unload();
        };
    }
    ui::Form owner{toolkit, "frmMount"};
    app::ProgramOpenedWindows windows{toolkit, ports};
    std::vector<std::string> shown;
    std::function<void()> reenter;
};

// A click on the About image that waits while a window loads (which lets waiting messages run) opens no window;
// once the user has closed the loading window, it does.
TEST_F(OpenedWindowsTest, EachWindowIsMadeOnceAndShownModallyOverItsOwnerAndOpensNoOtherWhileItLoads) {
    sim.windowing.onPump = [this] { windows.ShowAbout(owner); };
    std::vector<ui::Form*> made;
    for (int round = 0; round < 2; ++round) {
        windows.ShowStartupListEditor(owner);
        windows.ShowHelp(owner);
        windows.ShowAbout(owner);
        made.insert(made.end(), {windows.Editor(), windows.Help(), windows.AboutWindow()});
    }
    sim.windowing.onPump = [this] { windows.Help()->Unload(), windows.ShowAbout(owner); };
    windows.ShowHelp(owner);
    EXPECT_EQ(std::vector(made.begin(), made.begin() + 3), std::vector(made.begin() + 3, made.end()));
    EXPECT_EQ(shown, (std::vector<std::string>{"frmStartLoad", "frmHelp", "frmAbout", "frmStartLoad", "frmHelp",
                                               "frmAbout", "frmAbout"}));
}

// Over an owner near the right edge of a second monitor, a window is kept on that monitor, not moved to the primary.
TEST_F(OpenedWindowsTest, AWindowIsKeptOnItsOwnersMonitor) {
    sim.windowing.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    owner.Move(1900 * 15, 300 * 15, 3000, 2000);
    toolkit.onModal = [](ui::Form& form) {
        EXPECT_EQ(std::tuple(form.Left() + form.Width(), form.Top()),
                  std::tuple(2048 * 15.0f, 4500 + (2000 - 4400) / 2));
        form.Unload();
    };
    windows.ShowAbout(owner);
}

TEST_F(OpenedWindowsTest, ShowAboutBoxDropsTheWindowAfterwardsButLeavesAnOpenOneAlone) {
    ZuLinkLabel link(owner, "ZuLinkLabel1");
    link.ShowAboutBox();
    EXPECT_EQ(windows.AboutWindow(), nullptr);
    reenter = [&] { windows.AboutWindow()->ZuLinkLabel1.ShowAboutBox(); };  // from the open window's own label
    windows.ShowAbout(owner);
    EXPECT_EQ(shown, (std::vector<std::string>{"frmAbout", "frmAbout"}));
    EXPECT_NE(windows.AboutWindow(), nullptr);
}

}  // namespace
}  // namespace plivant
