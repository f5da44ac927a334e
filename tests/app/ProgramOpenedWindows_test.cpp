// The windows the main window opens: one shared instance each, made on first use and shown modally over the owner;
// ShowAboutBox through the same About window, which is unloaded and dropped afterwards.
#include "app/ProgramOpenedWindows.h"

#include <gtest/gtest.h>

#include "SimHost.h"

namespace plivant {
namespace {

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

// A click on the About image that waits while a window loads (which lets waiting messages run) opens no window.
TEST_F(OpenedWindowsTest, EachWindowIsMadeOnceAndShownModallyOverItsOwnerAndOpensNoOtherWhileItLoads) {
    sim.windowing.onPump = [this] { windows.ShowAbout(owner); };
    std::vector<ui::Form*> made;
    for (int round = 0; round < 2; ++round) {
        windows.ShowStartupListEditor(owner);
        windows.ShowHelp(owner);
        windows.ShowAbout(owner);
        made.insert(made.end(), {windows.Editor(), windows.Help(), windows.AboutWindow()});
    }
    EXPECT_EQ(std::vector(made.begin(), made.begin() + 3), std::vector(made.begin() + 3, made.end()));
    EXPECT_EQ(shown,
              (std::vector<std::string>{"frmStartLoad", "frmHelp", "frmAbout", "frmStartLoad", "frmHelp", "frmAbout"}));
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
