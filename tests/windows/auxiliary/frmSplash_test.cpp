// frmSplash: its texts and pictures, topmost without moving or sizing, and closing itself after one second; and
// the runs of the program that show it.
#include "windows/auxiliary/frmSplash.h"

#include <gtest/gtest.h>

#include "SimHost.h"
#include "app/ProgramWindows.h"
#include "platform/WinConst.h"
#include "startup/modMain.h"
#include "ui/Paint.h"
#include "windows/auxiliary/SplashArt.h"

namespace plivant {
namespace {

class SplashTest : public testing::Test, public test::SimScreen {};

TEST_F(SplashTest, ShowsTheVersionTopmostCentredAndClosesItselfAfterOneSecondDroppingTopmostFirst) {
    for (auto [version, title] : {std::pair{platform::VersionNumbers{1, 0, 0}, "Plivant 1.0.0"},
                                  {platform::VersionNumbers{10, 20, 300}, "Plivant 10.20.300"}})
        EXPECT_EQ(SplashTitle(version), title);
    sim.process.version = {4, 1, 58};
    frmSplash splash(toolkit, sim.process);
    splash.Show();
    const auto handle = splash.hwnd();
    EXPECT_EQ(splash.lblName.Caption() + "|" + splash.Label2.Caption(), "Plivant 4.1.58|* * Freeware * *");
    const auto rect = *windowing.WindowRect(handle);
    EXPECT_EQ(std::pair(rect.Width(), rect.left), std::pair(273, 376));  // 4095 twips, centred: 375.5 pixels rounded
    windowing.Advance(999);
    EXPECT_TRUE(splash.Loaded());
    EXPECT_TRUE(windowing.Topmost(handle));
    windowing.Advance(1);
    EXPECT_FALSE(splash.Loaded());
    ASSERT_EQ(windowing.placements.size(), 2u);
    for (auto [placement, insertAfter] : {std::pair{0, win::HWND_TOPMOST}, {1, win::HWND_NOTOPMOST}}) {
        const auto& p = windowing.placements[static_cast<size_t>(placement)];
        EXPECT_EQ(std::tuple(p.window, p.insertAfter, p.flags), std::tuple(handle, insertAfter, 3u));
    }
    EXPECT_EQ(windowing.WindowCount() + windowing.ActiveTimers(), 0);  // the timer fired once and went too
}

TEST_F(SplashTest, CarriesItsTwoPicturesOnTheFramesBackground) {
    frmSplash splash(toolkit, sim.process);
    EXPECT_EQ(splash.Image1.Picture(), SplashProgramPicture());
    EXPECT_EQ(splash.Image2.Picture(), SplashMountPicture());
    for (const ui::Bitmap& picture : {SplashProgramPicture(), SplashMountPicture()}) {
        const int w = picture.Width() - 1, h = picture.Height() - 1;
        for (auto [x, y] : {std::pair{0, 0}, {w, 0}, {0, h}, {w, h}})
            EXPECT_EQ(picture.At(x, y), kSplashBackground) << "corners blend into the splash";
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

TEST_F(SplashTest, EveryRunButASecondInstanceShowsItAndTheStartupRunLeavesNoWindowASecondLater) {
    const struct {
        const char* commandLine;
        bool previous, shown, ends;
    } cases[] = {{"", false, true, false},
                 {"-Q", false, true, true},
                 {"C:\\Data", false, true, false},
                 {"", true, false, true},
                 {"/ini", false, true, false}};
    for (const auto& c : cases) {
        test::SimScreen machine;
        machine.sim.process.commandLine = c.commandLine;
        machine.sim.process.previousInstance = c.previous;
        auto ports = machine.sim.Ports();
        app::ProgramWindows windows(machine.toolkit, ports);
        EXPECT_EQ(platform::sim::EndsTheProcess([&] { Main(ports, windows); }), c.ends) << c.commandLine;
        EXPECT_EQ(windows.Splash() != nullptr && windows.Splash()->Visible(), c.shown) << c.commandLine;
        machine.windowing.Advance(1000);
        if (std::string(c.commandLine) == "/ini") {
            EXPECT_EQ(machine.windowing.WindowCount(), 0);
        }
    }
}

}  // namespace
}  // namespace plivant
