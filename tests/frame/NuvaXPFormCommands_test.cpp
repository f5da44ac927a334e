// The skin application, caption stripping, the title bar and caption buttons, and the menu strip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "frame/FrameFixture.h"

namespace plivant::test {
namespace {

constexpr int32_t kOverlapped = 0x00CF0000;  // caption, system menu, thick frame, minimise and maximise boxes
constexpr int32_t kVisible = 0x10000000;
constexpr int32_t kStripped = kVisible | static_cast<int32_t>(win::WS_SYSMENU);

class CommandsTest : public FrameTest {
protected:
    CommandsTest() {
        SizePixels(400, 300);
        windowing.WriteLong(HostWindow(), win::GWL_STYLE, kOverlapped | kVisible);
    }
    std::shared_ptr<ScriptedMenu> AddMenu(const std::string& tag, const std::string& caption, bool enabled = true) {
        auto menu = std::make_shared<ScriptedMenu>(tag, caption, enabled);
        host->controls.push_back(menu);
        return menu;
    }
};

struct HostCase {
    int16_t borderStyle;
    bool minButton, maxButton;
    bool showMinimize, showMaximize, enableMaximize;
};

class LoadXPTest : public CommandsTest, public testing::WithParamInterface<HostCase> {};

TEST_P(LoadXPTest, FitsTheHostToTheFrameAndChoosesTheButtons) {
    const HostCase& c = GetParam();
    host->borderStyle = c.borderStyle;
    host->minButton = c.minButton;
    host->maxButton = c.maxButton;
    frame.Control::Move(300, 200, 6000, 4500);
    frame.LoadXP();

    EXPECT_EQ(frame.MyForm(), host.get());
    EXPECT_FLOAT_EQ(frame.Control::Left() + frame.Control::Top(), 0);
    // Whatever its border, the window ends exactly as large as the frame: the caption's height that SetStyle
    // takes away is the height that was added for it, which the first placement shows.
    EXPECT_EQ((std::vector<float>{host->width, host->height, frame.WidthTwips(), frame.HeightTwips()}),
              (std::vector<float>{6000, 4500, 6000, 4500}));
    if (c.borderStyle != 0) {
        EXPECT_EQ(windowing.placements.front().cy, (4500 + 375) / 15);
    }
    EXPECT_EQ(
        (std::vector<bool>{frame.ShowMinimize(), frame.Minimizebutton.Visible(), frame.ShowMaximize(),
                           frame.MaximizeButton.Visible(), frame.EnableMaximize(), frame.MaximizeButton.Enabled()}),
        (std::vector<bool>{c.showMinimize, c.showMinimize, c.showMaximize, c.showMaximize, c.enableMaximize,
                           c.enableMaximize}));
    EXPECT_EQ(HostRecord().style, c.borderStyle != 0 ? kStripped : kOverlapped | kVisible);
    EXPECT_EQ(HostRecord().region, RoundedTop(400, 300));
    EXPECT_EQ(windowing.cursor, (platform::Point{(1500 + 6000) / 15, 1200 / 15}));  // the top-right corner
    EXPECT_TRUE(host->calls.empty());  // neither modal nor owned: the host shows itself
    EXPECT_FALSE(frame.PicMain.Visible());
    EXPECT_GE(windowing.pumps, 1);
}

INSTANTIATE_TEST_SUITE_P(
    BorderStyles, LoadXPTest,
    testing::Values(HostCase{0, true, true, false, false, true}, HostCase{0, false, false, false, false, false},
                    HostCase{1, false, true, false, false, true}, HostCase{1, false, false, false, false, false},
                    HostCase{1, true, true, true, true, false}, HostCase{1, true, false, true, true, false},
                    HostCase{2, true, true, true, true, true}, HostCase{2, true, false, true, true, false},
                    HostCase{2, false, true, true, true, true}));

TEST_F(CommandsTest, LoadXPShowsPlainlyAtItsFirstFailureOrModallyOrOwnedOnRequest) {
    host->failing = {"BorderStyle"};
    frame.LoadXP();
    EXPECT_EQ(host->calls, (std::vector<std::string>{"Show"}));
    EXPECT_EQ(HostRecord().style, kOverlapped | kVisible);  // never restyled
    EXPECT_FALSE(HostRecord().region.has_value());
    host->failing.clear();

    const auto load = [&](NuvaXPForm& other, int16_t modal, IHostForm* owner) {
        host->controls = {std::make_shared<ControlItem>(other)};
        host->calls.clear();
        other.LoadXP(modal, owner);
        return host->calls;
    };
    NuvaXPForm modal(form, "NuvaXPForm2", sim.process, host), owned(form, "NuvaXPForm3", sim.process, host);
    modal.SetIpModal(1);
    EXPECT_EQ(load(modal, 0, nullptr), (std::vector<std::string>{"Visible=False", "Show 1 none"}));
    ScriptedHost owner([] { return platform::WindowHandle{0}; });
    EXPECT_EQ(load(owned, 0, &owner), (std::vector<std::string>{"Visible=False", "Show 0 owner"}));
    // A host without a frame control among its controls fails at the sizing step.
    NuvaXPForm lone(form, "NuvaXPForm4", sim.process, host);
    host->controls.clear();
    host->calls.clear();
    lone.LoadXP();
    EXPECT_EQ(host->calls, (std::vector<std::string>{"Show"}));

    // A frame whose container is not a form has no host: nothing is shown, nothing fails.
    ui::PictureBox box(form, "picBox");
    NuvaXPForm boxed(box, "NuvaXPForm3", sim.process);
    boxed.LoadXP();
    EXPECT_FALSE(form.Visible());
}

TEST_F(CommandsTest, TaggedMenusBecomeLabelsLeftToRightAndOpenBelowThem) {
    auto file = AddMenu("MainMenu", "&File");
    auto plain = AddMenu("", "Popup");
    auto edit = AddMenu("mainmenu", "&Edit", false);
    frame.LoadXP();

    EXPECT_TRUE(frame.pICmenu.Visible());
    ASSERT_EQ(frame.MenuCount(), 2);
    EXPECT_EQ(frame.LbMenu[1].Caption() + frame.LbMenu[2].Caption(), "&File&Edit");
    EXPECT_FLOAT_EQ(frame.LbMenu[1].Left(), 60);
    EXPECT_FLOAT_EQ(frame.LbMenu[2].Left(), frame.LbMenu[1].Left() + frame.LbMenu[1].Width());
    EXPECT_FLOAT_EQ(frame.LbMenu[2].Top(), 45);
    EXPECT_FALSE(frame.LbMenu[2].Enabled());
    EXPECT_EQ(frame.LbMenu[2].BackColor(), frame.pICmenu.BackColor());
    EXPECT_FALSE(frame.LbMenu[100].Visible());
    EXPECT_FALSE(frame.LbMenu.Exists(3));
    EXPECT_FALSE(file->visible || edit->visible);
    EXPECT_TRUE(plain->visible);

    LabelMenu& second = frame.LbMenu[2];
    second.Click();
    ASSERT_EQ(host->popups.size(), 1u);
    EXPECT_EQ(host->popups[0].menu, edit.get());
    EXPECT_FLOAT_EQ(host->popups[0].x, std::nearbyint(second.Left() + 4 + 60));  // the strip's left, in pixels
    EXPECT_FLOAT_EQ(host->popups[0].y, 45 + 30 + 450 + 270 - 80);
    second.MouseDown(1, 0, 0, 0);
    second.MouseDown(2, 0, 0, 0);  // the right button opens nothing
    frame.LbMenu[100].Click();     // no menu behind it: the handler ends
    ASSERT_EQ(host->popups.size(), 2u);
    EXPECT_FLOAT_EQ(host->popups[1].y, 45 + 30 + 480 + 270 - 80);
}

TEST_F(CommandsTest, AHostWithoutTaggedMenusGetsNoStrip) {
    AddMenu("Popup", "Popup");
    frame.LoadXP();
    EXPECT_FALSE(frame.pICmenu.Visible());
    EXPECT_FALSE(frame.LbMenu.Exists(100));
}

TEST_F(CommandsTest, SetStyleClearsTheFrameBitsAndPlacesAtFifteenTwipsPerPixel) {
    toolkit.twipsPerPixelX = 12;  // the placement uses a fixed factor, not the screen's
    host->left = 1012.5f;         // 67.5 pixels: rounds to the even 68
    host->top = 1007;             // 67.13
    host->width = 6000;
    host->height = 4507.5f;  // 300.5: rounds to 300
    windowing.WriteLong(HostWindow(), win::GWL_STYLE, kOverlapped | kVisible | 0x400000);
    frame.SetStyle(*host);
    EXPECT_EQ(HostRecord().style, kStripped);
    const auto& placed = windowing.placements.back();
    EXPECT_EQ((std::vector<int32_t>{placed.x, placed.y, placed.cx, placed.cy}),
              (std::vector<int32_t>{68, 67, 400, 300}));
    EXPECT_EQ(placed.insertAfter, 0u);
    EXPECT_FLOAT_EQ(host->height, 4507.5f - 375);

    host->borderStyle = 0;
    frame.SetStyle(*host);
    EXPECT_FLOAT_EQ(host->height, 4507.5f - 375);
    // Failing steps are skipped: without a readable border style the height is still reduced.
    host->failing = {"BorderStyle", "Left"};
    frame.SetStyle(*host);
    EXPECT_FLOAT_EQ(host->height, 4507.5f - 750);
}

TEST_F(CommandsTest, AnyButtonOnTheTitlePiecesStartsTheSystemMove) {
    frame.Title.MouseDown(1, 0, 0, 0);
    EXPECT_TRUE(windowing.sent.empty());  // before the skin is applied nothing happens
    frame.LoadXP();
    int16_t button = 1;
    for (ui::Control* piece : std::initializer_list<ui::Control*>{&frame.Title, &frame.TitleLeft, &frame.TitleRight,
                                                                  &frame.TitleIcon, &frame.Caption1}) {
        windowing.sent.clear();
        const int releases = windowing.captureReleases;
        piece->MouseDown(button, 0, 3, 3);
        ASSERT_EQ(windowing.sent.size(), 1u) << piece->Name();
        EXPECT_EQ(windowing.captureReleases, releases + 1);
        EXPECT_EQ(
            (std::vector<uint64_t>{windowing.sent[0].window, windowing.sent[0].message, windowing.sent[0].wParam}),
            (std::vector<uint64_t>{HostWindow(), win::WM_NCLBUTTONDOWN, win::HTCAPTION}));
        button = button == 1 ? 2 : 1;
    }
}

struct DoubleClickCase {
    int16_t borderStyle;
    bool enableMaximize, maxButton;
    int16_t afterTitle, afterIcon;
};

class DoubleClickTest : public CommandsTest, public testing::WithParamInterface<DoubleClickCase> {};

TEST_P(DoubleClickTest, TogglesMaximisedWhereAllowed) {
    const DoubleClickCase& c = GetParam();
    frame.LoadXP();
    host->borderStyle = c.borderStyle;
    host->maxButton = c.maxButton;
    frame.SetEnableMaximize(c.enableMaximize);
    host->width = 9000;
    host->height = 6000;
    frame.Title.DblClick();
    EXPECT_EQ(host->windowState, c.afterTitle);
    if (c.afterTitle == 2) {
        EXPECT_FLOAT_EQ(frame.WidthTwips() + frame.HeightTwips(), 9000 + 6000);
        EXPECT_EQ(HostRecord().region, RoundedTop(600, 400));
        EXPECT_FLOAT_EQ(frame.CloseButton.Left(), 573);  // laid out again
        frame.Caption1.DblClick();
        EXPECT_EQ(host->windowState, 0);
    }
    host->windowState = 0;
    frame.TitleIcon.DblClick();
    EXPECT_EQ(host->windowState, c.afterIcon);
}

INSTANTIATE_TEST_SUITE_P(Hosts, DoubleClickTest,
                         testing::Values(DoubleClickCase{2, true, true, 2, 2}, DoubleClickCase{2, false, true, 0, 2},
                                         DoubleClickCase{2, true, false, 0, 2}, DoubleClickCase{1, true, true, 0, 0},
                                         DoubleClickCase{0, true, true, 0, 0}));

TEST_F(CommandsTest, DoubleClickFromAnyStateButNormalRestoresAndAnUnreadableBorderCountsAsSizable) {
    frame.LoadXP();
    host->windowState = 1;
    frame.Caption1.DblClick();
    EXPECT_EQ(host->windowState, 0);
    host->failing = {"BorderStyle"};
    frame.Title.DblClick();
    EXPECT_EQ(host->windowState, 2);
}

TEST_F(CommandsTest, MinimiseMaximiseAndRestoreButtons) {
    frame.MaximizeButton.Click();
    EXPECT_EQ(host->windowState, 0);  // nothing before the skin is applied
    frame.LoadXP();
    host->width = 9000;
    host->height = 6000;
    frame.MaximizeButton.Click();
    EXPECT_EQ(host->windowState, 2);
    EXPECT_FLOAT_EQ(frame.WidthTwips(), 9000);
    EXPECT_EQ(HostRecord().region, RoundedTop(600, 400));
    frame.MaxBtnClick();
    EXPECT_EQ(host->windowState, 0);
    frame.Minimizebutton.Click();
    EXPECT_EQ(host->windowState, 1);
    frame.MaximizeButton.Click();
    EXPECT_EQ(host->windowState, 0);
}

TEST_F(CommandsTest, CloseUnloadsTheHostOrEndsTheProgramWithoutReturning) {
    bool raised = false;
    frame.onCloseForm = [&] { raised = true; };
    frame.LoadXP();
    host->calls.clear();
    EXPECT_FALSE(platform::sim::EndsTheProcess([&] { frame.CloseButton.Click(); }));
    EXPECT_EQ(host->calls, (std::vector<std::string>{"Unload"}));

    host->calls.clear();
    frame.SetCloseActive(true);
    EXPECT_TRUE(platform::sim::EndsTheProcess([&] { frame.CloseButton.Click(); }));
    EXPECT_TRUE(host->calls.empty());
    EXPECT_FALSE(raised) << "nothing runs after the process has ended";
}

// The frame on a toolkit form that reaches it through the form itself, as the program's windows do.
class frmTest : public ui::Form {
public:
    frmTest(ui::Toolkit& toolkit, platform::IProcess& process)
        : ui::Form(toolkit, "frmTest"), NuvaXPForm1(*this, "NuvaXPForm1", process), mnuFile(*this, "mnuFile", "&File") {
        mnuFile.SetTag("MAINMENU");
        Move(1500, 1500, 7000, 5000);
        NuvaXPForm1.Move(0, 0, 6000, 4500);
    }
    NuvaXPForm NuvaXPForm1;
    ui::Menu mnuFile;

protected:
    void Form_Load() override {
        NuvaXPForm1.SetCaption("Test window");
        NuvaXPForm1.SetShowMaximize(false);
    }
};

using RealHostTest = FormTest;

TEST_F(RealHostTest, ShowingTheHostAppliesTheSkinAfterItsLoadUnlessAutoLoadIsOff) {
    frmTest plain(toolkit, sim.process);
    plain.NuvaXPForm1.ReadProperties(ui::PropertyBag{});
    plain.Show();
    EXPECT_EQ(plain.NuvaXPForm1.MyForm(), nullptr);
    EXPECT_FLOAT_EQ(plain.Width(), 7000);
    EXPECT_TRUE(plain.mnuFile.Visible());

    frmTest host(toolkit, sim.process);
    ui::PropertyBag bag;
    bag.Store("AutoLoad", true);
    host.NuvaXPForm1.ReadProperties(bag);
    host.Show();
    ASSERT_NE(host.NuvaXPForm1.MyForm(), nullptr);
    EXPECT_EQ(host.Caption(), "Test window");
    EXPECT_FALSE(host.NuvaXPForm1.MaximizeButton.Visible());
    EXPECT_FLOAT_EQ(host.Width() + host.Height(), 6000 + 4500);
    EXPECT_EQ(host.NuvaXPForm1.MenuCount(), 1);
    EXPECT_FALSE(host.mnuFile.Visible());
    EXPECT_TRUE(windowing.Find(host.hwnd())->region.has_value());
    // The frame's window went under the host's own controls.
    const platform::WindowHandle frameWindow = static_cast<ui::Control&>(host.NuvaXPForm1).hwnd();
    EXPECT_TRUE(std::any_of(windowing.placements.begin(), windowing.placements.end(), [&](const auto& p) {
        return p.window == frameWindow && p.insertAfter == win::HWND_BOTTOM;
    }));

    // The host's activation reaches the frame.
    host.NuvaXPForm1.SetColorScheme(2);
    host.Deactivate();
    EXPECT_EQ(host.NuvaXPForm1.Caption1.ForeColor(), 0xC0C0C0u);
    EXPECT_FALSE(host.NuvaXPForm1.CloseButton.IsActivate());
    host.Activate();
    EXPECT_EQ(host.NuvaXPForm1.Caption1.ForeColor(), 0x000000u);

    // Unloading takes the run-time labels with the window; showing again mirrors the menu afresh.
    host.mnuFile.SetVisible(true);
    host.NuvaXPForm1.CloseButton.Click();
    EXPECT_FALSE(host.Loaded());
    EXPECT_EQ(host.NuvaXPForm1.MenuCount(), 0);
    host.Show();
    EXPECT_EQ(host.NuvaXPForm1.MenuCount(), 1);
    EXPECT_TRUE(host.NuvaXPForm1.LbMenu.Exists(100));
}

}  // namespace
}  // namespace plivant::test
