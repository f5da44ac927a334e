// frmAbout: captions and version, the window's size, the link's stored settings, and the ways it closes; the
// logo.
#include "windows/auxiliary/frmAbout.h"

#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "platform/sim/SimPlatform.h"
#include "state/UiStrings.h"
#include "ui/Paint.h"
#include "ui/sim/HeadlessToolkit.h"
#include "ui/sim/PngFile.h"
#include "windows/ProgramFacts.h"
#include "windows/auxiliary/SplashArt.h"

namespace plivant {
namespace {

class AboutTest : public testing::Test {
protected:
    platform::sim::SimPlatform sim;
    ui::sim::HeadlessToolkit toolkit{sim.windowing, sim.shell};
    platform::Platform ports = sim.Ports();
    frmAbout about{toolkit, ports};
};

TEST_F(AboutTest, CaptionsVersionAndSize) {
    sim.registry.SetString(win::HKEY_CURRENT_USER, kLanguageKey, "5029",
                           "\xDC"
                           "ber");
    sim.process.version = {4, 1, 0};
    about.Show();
    EXPECT_EQ(about.NuvaXPForm1.Caption(), std::string("\xDC"
                                                       "ber ") +
                                               facts::kProgramTitle);
    EXPECT_EQ(about.lblTitle.Caption(), facts::kProgramTitle);
    EXPECT_EQ(about.lblVersion.Caption(), "Version 4.1.0");
    EXPECT_EQ(VersionText({4, 1, 58}), "Version 4.1.58");
    EXPECT_EQ(about.NuvaXPForm1.Width(), 5800);
    EXPECT_EQ(about.NuvaXPForm1.Height(), 4400);
    EXPECT_EQ(about.Width(), 5800);
    EXPECT_EQ(about.Height(), 4400);
    EXPECT_EQ(sim.windowing.WindowRect(about.hwnd())->Width(), 387);
    EXPECT_EQ(sim.windowing.WindowRect(about.hwnd())->Height(), 293);
    EXPECT_FALSE(about.NuvaXPForm1.ShowMinimize() || about.NuvaXPForm1.ShowMaximize());
}

TEST_F(AboutTest, TheLinkKeepsItsStoredSettingsAndOpensTheMakersPage) {
    about.Show();
    const ZuLinkLabel& link = about.ZuLinkLabel1;
    EXPECT_EQ(link.Caption(), facts::kMaker);
    EXPECT_TRUE(link.AutoSize());
    EXPECT_EQ(link.BackColor(), 0xD8E9ECu);
    EXPECT_EQ(link.MouseOverBackColor(), 0xD8E9ECu);
    EXPECT_EQ(link.MouseOverForeColor(), 0x0000FFu);
    EXPECT_EQ(link.Font().name, "MS Sans Serif");
    EXPECT_GT(link.Width(), 0);
    about.ZuLinkLabel1.lblLink.Click();
    ASSERT_EQ(sim.shell.executed.size(), 1u);
    EXPECT_EQ(sim.shell.executed[0].file, facts::kMakerWebAddress);
    EXPECT_EQ(sim.shell.executed[0].verb, "Open");
}

TEST_F(AboutTest, OkEnterAndEscapeCloseItAndTypingChangesNothing) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"OK", [&] { about.cmdOK.Click(); }},
        {"Enter", [&] { EXPECT_TRUE(about.PressDefault()); }},
        {"Escape", [&] { EXPECT_TRUE(about.PressCancel()); }},
        {"frame", [&] { about.NuvaXPForm1.CloseButton.Click(); }},
    };
    for (const auto& [name, close] : ways) {
        about.Show();
        int16_t key = 'x';
        about.txtReg.KeyPress(key);
        EXPECT_EQ(key, 0);
        close();
        EXPECT_FALSE(about.Loaded()) << name;
    }
}

TEST(AboutLogo, AFolderInFrontOfADriveOnTheWindowsBackground) {
    const ui::Bitmap logo = AboutLogo();
    ASSERT_EQ(logo.Width(), 88);
    ASSERT_EQ(logo.Height(), 88);
    ui::WritePngFile(ui::Scaled(logo, 3), PLIVANT_SOURCE_DIR "/build/artifacts/about-logo.png");
    for (const auto& [x, y] : {std::pair{0, 0}, {87, 0}, {0, 87}, {87, 87}})
        EXPECT_EQ(logo.At(x, y), kSplashBackground);
    const ui::Rgb folder = logo.At(28, 30), drive = logo.At(70, 62);
    EXPECT_GT(ui::Red(folder), ui::Blue(folder) + 80) << std::hex << folder;  // manila
    EXPECT_LT(ui::Chroma(drive), 12) << std::hex << drive;                    // grey
}

}  // namespace
}  // namespace plivant
