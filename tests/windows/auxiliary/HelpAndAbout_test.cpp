// The auxiliary windows: frmHelp's text, frmAbout's captions, version, link and the ways it closes; frmSplash's
// texts, topmost and closing itself after a second; the splash's pictures and the About logo.
#include <gtest/gtest.h>

#include <functional>

#include "SimHost.h"
#include "art/ThemeXArt.h"
#include "platform/WinConst.h"
#include "state/UiStrings.h"
#include "ui/BitmapDrawing.h"
#include "ui/sim/PngFile.h"
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
    // The title bar's own shading shows round the icon, not the drawing's empty ground.
    EXPECT_EQ(help.NuvaXPForm1.TitleIcon.Picture().At(0, 0), ThemeXTitleColour(0, true, 7));
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
    EXPECT_EQ(about.ZuLinkLabel1.Caption(), facts::kMaker);
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

// The pictures: a manila folder in front of a grey drive on the splash's background (the corners blend into it).
TEST(AuxiliaryArt, TheSplashPicturesAndTheAboutLogo) {
    for (const ui::Bitmap& picture : {SplashProgramPicture(), SplashMountPicture(), AboutLogo()}) {
        const int w = picture.Width() - 1, h = picture.Height() - 1;
        for (auto [x, y] : {std::pair{0, 0}, {w, 0}, {0, h}, {w, h}}) EXPECT_EQ(picture.At(x, y), kSplashBackground);
        int yellow = 0, grey = 0;
        for (ui::Rgb c : picture.Pixels()) {
            yellow += ui::Red(c) > 200 && ui::Blue(c) < 120;
            grey += ui::Chroma(c) < 12 && ui::Luma(c) > 140 && ui::Luma(c) < 235;
        }
        EXPECT_TRUE(yellow * 20 > picture.Width() * picture.Height() && grey * 30 > picture.Width() * picture.Height());
    }
    ui::WritePngFile(ui::Scaled(AboutLogo(), 3), PLIVANT_SOURCE_DIR "/build/artifacts/about-logo.png");
}

}  // namespace
}  // namespace plivant
