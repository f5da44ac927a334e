// The windows the main window opens: one shared instance each, made on first use and shown modally over the
// owner; the hyperlink label's ShowAboutBox through the same About window, unloaded and dropped afterwards.
#include "app/OpenedWindows.h"

#include <gtest/gtest.h>

#include "platform/sim/SimPlatform.h"
#include "ui/sim/HeadlessToolkit.h"

namespace plivant {
namespace {

class OpenedWindowsTest : public testing::Test {
protected:
    OpenedWindowsTest() {
        toolkit.onModal = [this](ui::Form& form) {
            shown.push_back(&form);
            names.push_back(form.Name());
            owners.push_back(form.Owner());
            form.Unload();
        };
        owner.Show();
    }
    platform::sim::SimPlatform sim;
    ui::sim::HeadlessToolkit toolkit{sim.windowing, sim.shell};
    platform::Platform ports = sim.Ports();
    ui::Form owner{toolkit, "frmMount"};
    app::ProgramOpenedWindows windows{toolkit, ports};
    std::vector<ui::Form*> shown, owners;
    std::vector<std::string> names;
};

TEST_F(OpenedWindowsTest, EachWindowIsMadeOnceAndShownModallyOverItsOwner) {
    for (int round = 0; round < 2; ++round) {
        windows.ShowStartupListEditor(owner);
        windows.ShowHelp(owner);
        windows.ShowAbout(owner);
    }
    const std::vector<ui::Form*> each = {windows.Editor(), windows.Help(), windows.AboutWindow()};
    EXPECT_EQ(shown, (std::vector<ui::Form*>{each[0], each[1], each[2], each[0], each[1], each[2]}));
    EXPECT_EQ(owners, std::vector<ui::Form*>(6, &owner));
}

TEST_F(OpenedWindowsTest, ShowAboutBoxShowsTheAboutWindowThenDropsIt) {
    ZuLinkLabel link(owner, "ZuLinkLabel1");
    link.ShowAboutBox();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(names[0], "frmAbout");  // gone by now
    EXPECT_EQ(owners[0], &owner);
    EXPECT_EQ(windows.AboutWindow(), nullptr);
    // Asked again from inside the open About window (its own label): the open window is left alone.
    toolkit.onModal = [&](ui::Form& form) {
        shown.push_back(&form);
        windows.AboutWindow()->ZuLinkLabel1.ShowAboutBox();
        form.Unload();
    };
    windows.ShowAbout(owner);
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_NE(windows.AboutWindow(), nullptr);
}

TEST(ShowAboutBox, WithoutARegisteredWindowNothingHappens) {
    platform::sim::SimPlatform sim;
    ui::sim::HeadlessToolkit toolkit{sim.windowing, sim.shell};
    ui::Form form{toolkit, "frmHost"};
    ZuLinkLabel link(form, "ZuLinkLabel1");
    link.ShowAboutBox();
    EXPECT_EQ(toolkit.modalRuns, 0);
}

}  // namespace
}  // namespace plivant
