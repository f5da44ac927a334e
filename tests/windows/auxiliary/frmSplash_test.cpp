// frmSplash: its texts, topmost without moving or sizing, and closing itself after one second; and the
// start-up run that ends when the splash has gone.
#include "windows/auxiliary/frmSplash.h"

#include <gtest/gtest.h>

#include "app/ProgramWindows.h"
#include "platform/WinConst.h"
#include "platform/sim/SimPlatform.h"
#include "startup/modMain.h"
#include "ui/Paint.h"
#include "ui/sim/HeadlessToolkit.h"
#include "windows/auxiliary/SplashArt.h"

namespace plivant {
namespace {

TEST(SplashTitle, MajorMinorRevisionAsPlainNumbers) {
    struct {
        platform::VersionNumbers version;
        const char* text;
    } cases[] = {{{4, 1, 58}, "Plivant 4.1.58"}, {{1, 0, 0}, "Plivant 1.0.0"}, {{10, 20, 300}, "Plivant 10.20.300"}};
    for (const auto& c : cases) EXPECT_EQ(SplashTitle(c.version), c.text);
}

class SplashTest : public testing::Test {
protected:
    platform::sim::SimPlatform sim;
    ui::sim::HeadlessToolkit toolkit{sim.windowing, sim.shell};
};

TEST_F(SplashTest, LoadShowsTheVersionAndGoesTopmostWithoutMovingOrSizing) {
    sim.process.version = {4, 1, 58};
    frmSplash splash(toolkit, sim.process);
    splash.Show();
    EXPECT_EQ(splash.lblName.Caption(), "Plivant 4.1.58");
    EXPECT_EQ(splash.Label2.Caption(), "* * Freeware * *");
    EXPECT_EQ(splash.Caption(), "Splash");
    EXPECT_EQ(splash.lblName.Font().name, "Palatino Linotype");
    EXPECT_FLOAT_EQ(splash.lblName.Font().size, 15.75f);
    EXPECT_TRUE(splash.lblName.Font().bold);
    EXPECT_FLOAT_EQ(splash.Label2.Font().size, 12);
    EXPECT_EQ(splash.Frame1.BackColor(), 0xD8E9ECu);
    ASSERT_EQ(sim.windowing.placements.size(), 1u);
    const auto& p = sim.windowing.placements[0];
    EXPECT_EQ(p.window, splash.hwnd());
    EXPECT_EQ(p.insertAfter, win::HWND_TOPMOST);
    EXPECT_EQ(p.flags, 3u);
    EXPECT_TRUE(sim.windowing.Topmost(splash.hwnd()));
    const auto rect = *sim.windowing.WindowRect(splash.hwnd());
    EXPECT_EQ(rect.Width(), 273);  // 4095 twips
    EXPECT_EQ(rect.left, 376);     // centred: 375.5 pixels, rounded
}

TEST_F(SplashTest, ClosesItselfAfterOneSecondDroppingTopmostFirst) {
    frmSplash splash(toolkit, sim.process);
    splash.Show();
    const auto handle = splash.hwnd();
    sim.windowing.Advance(999);
    EXPECT_TRUE(splash.Loaded());
    EXPECT_TRUE(sim.windowing.Topmost(handle));
    sim.windowing.Advance(1);
    EXPECT_FALSE(splash.Loaded());
    ASSERT_EQ(sim.windowing.placements.size(), 2u);
    EXPECT_EQ(sim.windowing.placements[1].window, handle);
    EXPECT_EQ(sim.windowing.placements[1].insertAfter, win::HWND_NOTOPMOST);
    EXPECT_EQ(sim.windowing.placements[1].flags, 3u);
    EXPECT_EQ(sim.windowing.WindowCount(), 0);
    EXPECT_EQ(sim.windowing.ActiveTimers(), 0);  // the timer fired once and went with the window
}

TEST_F(SplashTest, StartupRunShowsTheSplashWhichLeavesNoWindowAfterASecond) {
    sim.process.commandLine = "/ini";
    auto ports = sim.Ports();
    app::ProgramWindows windows(toolkit, ports);
    Main(ports, windows);
    ASSERT_NE(windows.Splash(), nullptr);
    EXPECT_TRUE(windows.Splash()->Visible());
    EXPECT_EQ(sim.process.endRequests, 0);
    sim.windowing.Advance(1000);
    EXPECT_EQ(sim.windowing.WindowCount(), 0);
}

TEST_F(SplashTest, EveryRunButASecondInstanceShowsIt) {
    struct {
        const char* commandLine;
        bool previous;
        bool shown;
    } cases[] = {
        {"", false, true}, {"/ini", false, true}, {"-Q", false, true}, {"C:\\Data", false, true}, {"", true, false}};
    for (const auto& c : cases) {
        platform::sim::SimPlatform machine;
        ui::sim::HeadlessToolkit headless{machine.windowing, machine.shell};
        machine.process.commandLine = c.commandLine;
        machine.process.previousInstance = c.previous;
        auto ports = machine.Ports();
        app::ProgramWindows windows(headless, ports);
        Main(ports, windows);
        EXPECT_EQ(windows.Splash() != nullptr, c.shown) << c.commandLine;
    }
}

TEST_F(SplashTest, CarriesItsTwoPicturesOnTheFramesBackground) {
    frmSplash splash(toolkit, sim.process);
    EXPECT_EQ(splash.Image1.Picture(), SplashProgramPicture());
    EXPECT_EQ(splash.Image2.Picture(), SplashMountPicture());
    EXPECT_EQ(splash.Image2.Picture().Width(), 150);
    EXPECT_EQ(splash.Image2.Picture().Height(), 85);
    for (const ui::Bitmap& picture : {SplashProgramPicture(), SplashMountPicture()}) {
        const int w = picture.Width() - 1, h = picture.Height() - 1;
        for (auto [x, y] : {std::pair{0, 0}, {w, 0}, {0, h}, {w, h}}) {
            EXPECT_EQ(picture.At(x, y), kSplashBackground) << "corners blend into the splash";
        }
        // Something is drawn: the folder's yellow and the drive's grey both appear.
        int yellow = 0, grey = 0;
        for (ui::Rgb c : picture.Pixels()) {
            yellow += ui::Red(c) > 200 && ui::Blue(c) < 120;
            grey += ui::Chroma(c) < 12 && ui::Luma(c) > 140 && ui::Luma(c) < 235;
        }
        EXPECT_GT(yellow, picture.Width() * picture.Height() / 20);
        EXPECT_GT(grey, picture.Width() * picture.Height() / 30);
    }
}

}  // namespace
}  // namespace plivant
