// frmHelp's text for the English texts and for translated ones; frmAbout's captions, version, size, link and the
// ways it closes; the logo.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "platform/sim/SimPlatform.h"
#include "state/UiStrings.h"
#include "ui/Paint.h"
#include "ui/sim/HeadlessToolkit.h"
#include "ui/sim/PngFile.h"
#include "windows/ProgramFacts.h"
#include "windows/auxiliary/SplashArt.h"
#include "windows/auxiliary/frmAbout.h"
#include "windows/auxiliary/frmHelp.h"

namespace plivant {
namespace {

TEST(HelpText, EnglishAndTranslatedPieces) {
    const std::string x(10000, 'x');
    const struct {
        std::string heading, item1, item2, expected;
    } cases[] = {
        {DefaultText(UiString::HelpHeading), DefaultText(UiString::HelpParagraph1),
         DefaultText(UiString::HelpParagraph2),
         "\r\n   ..: PLIVANT HELP :..\r\n   ....................\r\n\r\n1. Right-Click on folder in explorer\r\n"
         "   and select mount. Select the drive\r\n   letter and mount.\r\n   \r\n2. Mount on win startup will mount "
         "a\r\n"
         "   selected folder to a drive letter\r\n   when run from the startup menu\r\n   with the switch /ini.\r\n"
         "   \r\n   Von Corvinel\r\n"},
        {"HILFE", "no bar", "ends in a bar|",
         "\r\n   ..: HILFE :..\r\n   .............\r\n\r\n1. no bar\r\n   \r\n2. ends in a bar\r\n   \r\n   \r\n"
         "   Von Corvinel\r\n"},
        {"", "", "|", "\r\n   ..:  :..\r\n   ........\r\n\r\n1. \r\n   \r\n2. \r\n   \r\n   \r\n   Von Corvinel\r\n"},
        {x, x, x,
         "\r\n   ..: " + x + " :..\r\n   " + std::string(10008, '.') + "\r\n\r\n1. " + x + "\r\n   \r\n2. " + x +
             "\r\n   \r\n   Von Corvinel\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(HelpText(c.heading, c.item1, c.item2, "Von"), c.expected);
}

class WindowsTest : public testing::Test {
protected:
    platform::sim::SimPlatform sim;
    ui::sim::HeadlessToolkit toolkit{sim.windowing, sim.shell};
    platform::Platform ports = sim.Ports();
};

TEST_F(WindowsTest, HelpLoadsTheTranslatedTextIntoABoxThatTakesNoTyping) {
    for (const auto& [id, text] : {std::pair{"5011", "Hilfe"}, {"5014", "HILFE"}, {"5015", "a|b"}, {"5017", "Von"}})
        sim.registry.SetString(win::HKEY_CURRENT_USER, kLanguageKey, id, text);
    frmHelp help(toolkit, ports);
    help.Show();
    EXPECT_EQ(help.NuvaXPForm1.Caption(), "Hilfe");
    EXPECT_EQ(help.txtHelp.Text(), HelpText("HILFE", "a|b", DefaultText(UiString::HelpParagraph2), "Von"));
    EXPECT_TRUE(help.txtHelp.MultiLine() && !help.NuvaXPForm1.ShowMinimize() && !help.NuvaXPForm1.ShowMaximize());
    for (int16_t typed : {'a', '\x01', '\x03', '\b', '\r', '\x16', '\x7F'}) {
        help.txtHelp.KeyPress(typed);
        EXPECT_EQ(typed, 0);
    }
}

TEST_F(WindowsTest, AboutCaptionsVersionSizeAndLink) {
    sim.registry.SetString(win::HKEY_CURRENT_USER, kLanguageKey, "5029",
                           "\xDC"
                           "ber");
    sim.process.version = {4, 1, 0};
    frmAbout about(toolkit, ports);
    about.Show();
    EXPECT_EQ(about.NuvaXPForm1.Caption(), std::string("\xDC"
                                                       "ber ") +
                                               facts::kProgramTitle);
    EXPECT_EQ(about.lblTitle.Caption(), facts::kProgramTitle);
    EXPECT_EQ(about.lblVersion.Caption(), "Version 4.1.0");
    EXPECT_EQ(VersionText({4, 1, 58}), "Version 4.1.58");
    const platform::Rect r = *sim.windowing.WindowRect(about.hwnd());
    EXPECT_EQ(std::pair(about.Width(), about.Height()), std::pair(5800.0f, 4400.0f));
    EXPECT_EQ(std::pair(r.Width(), r.Height()), std::pair(387, 293));
    const ZuLinkLabel& link = about.ZuLinkLabel1;
    EXPECT_EQ(link.Caption(), facts::kMaker);
    EXPECT_TRUE(link.AutoSize() && link.Width() > 0);
    EXPECT_EQ(link.MouseOverForeColor(), 0x0000FFu);
    about.ZuLinkLabel1.lblLink.Click();
    EXPECT_EQ(sim.shell.executed.at(0).file, facts::kMakerWebAddress);
}

TEST_F(WindowsTest, AboutClosesWithOkEnterEscapeOrTheFrameAndTakesNoTyping) {
    frmAbout about(toolkit, ports);
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"OK", [&] { about.cmdOK.Click(); }},
        {"Enter", [&] { about.PressDefault(); }},
        {"Escape", [&] { about.PressCancel(); }},
        {"frame", [&] { about.NuvaXPForm1.CloseButton.Click(); }},
    };
    for (const auto& [name, close] : ways) {
        about.Show();
        int16_t typed = 'x';
        about.txtReg.KeyPress(typed);
        EXPECT_EQ(typed, 0);
        close();
        EXPECT_FALSE(about.Loaded()) << name;
    }
}

TEST(AboutLogo, AFolderInFrontOfADriveOnTheWindowsBackground) {
    const ui::Bitmap logo = AboutLogo();
    ASSERT_EQ(logo.Width() * 100 + logo.Height(), 8888);
    ui::WritePngFile(ui::Scaled(logo, 3), PLIVANT_SOURCE_DIR "/build/artifacts/about-logo.png");
    for (const auto& [x, y] : {std::pair{0, 0}, {87, 0}, {0, 87}, {87, 87}})
        EXPECT_EQ(logo.At(x, y), kSplashBackground);
    EXPECT_GT(ui::Red(logo.At(28, 30)), ui::Blue(logo.At(28, 30)) + 80);  // a manila folder
    EXPECT_LT(ui::Chroma(logo.At(70, 62)), 12);                           // over a grey drive
}

}  // namespace
}  // namespace plivant
