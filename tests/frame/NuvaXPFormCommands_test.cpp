// The skin applied to a form, the caption buttons and double clicks, the menu strip, closing,
// and resizing by the edges and bottom corners.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <functional>

#include "frame/FrameFixture.h"

namespace plivant::test {
namespace {

constexpr int32_t kOverlapped = 0x00CF0000 | 0x10000000;  // caption, system menu, thick frame, boxes; visible
constexpr int32_t kStripped = 0x10000000 | static_cast<int32_t>(win::kWsSysMenu);
using Calls = std::vector<std::string>;

class CommandsTest : public FrameTest {
protected:
    CommandsTest() {
        SizePixels(400, 300);
        windowing.WriteLong(HostWindow(), win::kGwlStyle, kOverlapped);
    }
    ui::Menu& AddMenu(const char* tag, const char* caption, bool enabled = true) {
        ui::Menu& menu = menus.emplace_back(form, caption, caption);
        menu.SetTag(tag);
        menu.SetEnabled(enabled);
        return menu;
    }
    std::deque<ui::Menu> menus;
};

// Border style, min and max buttons of the host; the minimise, maximise and enabled-maximise flags that follow.
class LoadXPTest : public CommandsTest, public testing::WithParamInterface<std::array<int, 6>> {};

TEST_P(LoadXPTest, FitsTheHostToTheFrameAndChoosesTheButtons) {
    const auto [border, min, max, showMin, showMax, enableMax] = GetParam();
    form.SetBorderStyle(static_cast<ui::FormBorderStyle>(border));
    form.SetMinButton(min);
    form.SetMaxButton(max);
    AddMenu("Popup", "Popup");  // not tagged: no menu strip
    frame.Control::Move(300, 200, 6000, 4500);
    frame.LoadXP();
    EXPECT_EQ(frame.MyForm(), host.get());
    // Whatever its border, the window ends exactly as large as the frame: the caption's height that SetStyle
    // takes away is the height that was added for it, which the first placement shows.
    EXPECT_EQ((std::vector<float>{frame.Control::Left(), frame.Control::Top(), form.Width(), form.Height(),
                                  frame.WidthTwips(), frame.HeightTwips()}),
              (std::vector<float>{0, 0, 6000, 4500, 6000, 4500}));
    if (border != 0) {
        EXPECT_EQ(windowing.placements.front().cy, (4500 + 375) / 15);
    }
    EXPECT_EQ(
        (std::vector<bool>{frame.ShowMinimize(), frame.Minimizebutton.Visible(), frame.ShowMaximize(),
                           frame.MaximizeButton.Visible(), frame.EnableMaximize(), frame.MaximizeButton.Enabled()}),
        (std::vector<bool>{!!showMin, !!showMin, !!showMax, !!showMax, !!enableMax, !!enableMax}));
    EXPECT_EQ(std::tuple(HostRecord().style, HostRecord().region),
              std::tuple(border != 0 ? kStripped : kOverlapped, RoundedTop(400, 300)));
    EXPECT_TRUE(host->calls.empty());  // neither modal nor owned: the host shows itself
    EXPECT_FALSE(frame.pICmenu.Visible() || frame.LbMenu.Exists(100));
}

INSTANTIATE_TEST_SUITE_P(BorderStyles, LoadXPTest,
                         testing::Values(std::array{0, 1, 1, 0, 0, 1}, std::array{1, 1, 1, 1, 1, 0},
                                         std::array{2, 1, 0, 1, 1, 0}, std::array{2, 0, 1, 1, 1, 1}));

TEST_F(CommandsTest, LoadXPShowsPlainlyAtItsFirstFailureOrModallyOrOwnedOnRequest) {
    test::ExpectSwallowed scriptedFailures;
    // A frame whose container is not a form has no host: nothing is shown, nothing fails.
    ui::PictureBox box(form, "picBox");
    NuvaXPForm boxed(box, "NuvaXPForm2", sim.process);
    boxed.LoadXP();
    EXPECT_FALSE(form.Visible());
    host->failing = {"BorderStyle"};
    frame.LoadXP();
    EXPECT_EQ(std::tuple(host->calls, form.Visible()), std::tuple(Calls{"Show"}, true));
    EXPECT_EQ(HostRecord().style, kOverlapped);  // never restyled
    EXPECT_FALSE(HostRecord().region.has_value());
    // Each on a form of its own, whose host carries the frame or (failing at the sizing step) none.
    const auto load = [&](int16_t ipModal, IHostForm* owner, bool withFrame = true) {
        ui::Form other(toolkit, "frmOther"), bare(toolkit, "frmBare");
        const auto otherHost = std::make_shared<ScriptedHost>(withFrame ? other : bare);
        NuvaXPForm loaded(other, "NuvaXPForm3", sim.process, otherHost);
        loaded.SetIpModal(ipModal);
        loaded.LoadXP(0, owner);
        return otherHost->calls;
    };
    EXPECT_EQ(load(1, nullptr), (Calls{"Visible=False", "Show 1 none"}));
    ui::Form ownerForm(toolkit, "frmOwner");
    ToolkitHostForm owner(ownerForm);
    EXPECT_EQ(load(-1, &owner), (Calls{"Visible=False", "Show 0 owner"}));
    EXPECT_EQ(load(-1, nullptr, false), Calls{"Show"});
}

TEST_F(CommandsTest, TaggedMenusBecomeLabelsLeftToRightAndOpenBelowThem) {
    ui::Menu &file = AddMenu("MainMenu", "&File"), &plain = AddMenu("", "Popup"),
             &edit = AddMenu("mainmenu", "&Edit", false);
    frame.LoadXP();
    EXPECT_TRUE(frame.pICmenu.Visible());
    ASSERT_EQ(frame.MenuCount(), 2);
    LabelMenu &first = frame.LbMenu[1], &second = frame.LbMenu[2];
    EXPECT_EQ(first.Caption() + second.Caption(), "&File&Edit");
    EXPECT_EQ((std::vector<float>{first.Left(), second.Left()}),
              (std::vector<float>{60, first.Left() + first.Width()}));
    EXPECT_FALSE(second.Enabled() || frame.LbMenu[100].Visible() || frame.LbMenu.Exists(3));
    EXPECT_EQ((std::vector<bool>{file.Visible(), plain.Visible(), edit.Visible()}), (std::vector<bool>{0, 1, 0}));
    second.Click();
    frame.LbMenu[100].Click();  // no menu behind it: the handler ends
    ASSERT_EQ(toolkit.popups.size(), 1u);
    const auto& popup = toolkit.popups[0];  // below the label, in pixels
    EXPECT_EQ(std::tuple(popup.menu, popup.x, popup.y),
              std::tuple("&Edit", std::nearbyint(second.Left() + 4 + 60), 45 + 30 + 450 + 270 - 80.0f));
}

// A double click on the title maximises where allowed, from any other state restores; on the icon it ignores
// EnableMaximize and the max button; an unreadable border counts as sizable.
TEST_F(CommandsTest, MinimiseMaximiseAndRestoreByButtonOrDoubleClick) {
    test::ExpectSwallowed scriptedFailures;
    frame.LoadXP();
    form.SetSizeTwips(9000, 6000);
    const auto after = [&](const std::function<void()>& act) { return act(), static_cast<int>(form.WindowState()); };
    EXPECT_EQ(after([&] { frame.MaximizeButton.Click(); }), 2);
    EXPECT_EQ(std::tuple(frame.WidthTwips() + frame.HeightTwips(), HostRecord().region, frame.CloseButton.Left()),
              std::tuple(9000.0f + 6000, RoundedTop(600, 400), 573.0f));
    EXPECT_EQ(after([&] { frame.MaxBtnClick(); }), 0);
    EXPECT_EQ(after([&] { frame.Minimizebutton.Click(); }), 1);
    EXPECT_EQ(after([&] { frame.Caption1.DblClick(); }), 0);
    host->failing = {"BorderStyle"};
    EXPECT_EQ(after([&] { frame.Title.DblClick(); }), 2);
    host->failing.clear();
    // Border style, EnableMaximize, the host's max button; the state after a double click on the title, on the icon.
    for (auto [border, enableMax, maxButton, onTitle, onIcon] :
         {std::array{2, 1, 1, 2, 2}, {2, 0, 1, 0, 2}, {2, 1, 0, 0, 2}, {1, 1, 1, 0, 0}, {0, 1, 1, 0, 0}}) {
        form.SetBorderStyle(static_cast<ui::FormBorderStyle>(border));
        form.SetMaxButton(maxButton);
        frame.SetEnableMaximize(enableMax);
        form.SetWindowState(ui::FormWindowState::Normal);
        EXPECT_EQ(after([&] { frame.Title.DblClick(); }), onTitle) << border << enableMax << maxButton;
        form.SetWindowState(ui::FormWindowState::Normal);
        EXPECT_EQ(after([&] { frame.TitleIcon.DblClick(); }), onIcon) << border << enableMax << maxButton;
    }
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

// The skin on a real window (its style, region, menu strip and place under the controls) is checked under Wine;
// here what only the model shows: nothing without AutoLoad, the run-time labels going and coming with the window,
// and a close that ends the program at once (nothing runs after the process has ended, not even CloseForm).
TEST_F(RealHostTest, ShowingTheHostAppliesTheSkinAfterItsLoadUnlessAutoLoadIsOffAndCloseUnloadsOrEndsTheProgram) {
    frmTest plain(toolkit, sim.process), host(toolkit, sim.process);
    plain.NuvaXPForm1.ReadProperties(ui::PropertyBag{});
    plain.Show();
    EXPECT_EQ(std::tuple(plain.NuvaXPForm1.MyForm(), plain.Width(), plain.mnuFile.Visible()),
              std::tuple(nullptr, 7000.0f, true));
    ui::PropertyBag bag;
    bag.Store("AutoLoad", true);
    host.NuvaXPForm1.ReadProperties(bag);
    host.Show();
    NuvaXPForm& frame = host.NuvaXPForm1;
    EXPECT_EQ(std::tuple(host.Caption(), frame.MaximizeButton.Visible(), host.mnuFile.Visible(), frame.MenuCount()),
              std::tuple("Test window", false, false, 1));
    host.mnuFile.SetVisible(true);
    frame.CloseButton.Click();
    EXPECT_EQ(std::tuple(host.Loaded(), frame.MenuCount()), std::tuple(false, 0));
    host.Show();
    EXPECT_EQ(std::tuple(frame.MenuCount(), frame.LbMenu.Exists(100)), std::tuple(1, true));
    bool raised = false;
    frame.onCloseForm = [&] { raised = true; };
    frame.SetCloseActive(true);
    EXPECT_TRUE(platform::sim::EndsTheProcess([&] { frame.CloseButton.Click(); }));
    EXPECT_EQ(std::tuple(host.Loaded(), raised), std::tuple(true, false));
}

using Floats = std::vector<float>;

// The skin applied to a host of 6000 × 4500 twips at (1500, 1200).
class EdgesTest : public CommandsTest {
protected:
    EdgesTest() {
        frame.LoadXP();
        Reset();
    }
    void Reset() {
        form.Move(1500, 1200, 6000, 4500);
        frame.SetSizeTwips(6000, 4500);
    }
    // Presses the handle at one screen point and releases it at another.
    void Drag(ui::Image& handle, platform::Point from, platform::Point to) {
        windowing.cursor = from;
        handle.MouseDown(1, 0, 1, 1);
        windowing.cursor = to;
        handle.MouseMove(1, 0, 1, 1);
        handle.MouseUp(1, 0, 1, 1);
    }
    Floats HostRect() const { return {form.Left(), form.Top(), form.Width(), form.Height()}; }
};

TEST_F(EdgesTest, TravelMovesTheMatchingSidesOnlyDownToTheMinimumSize) {
    using P = ui::MousePointer;
    const struct {
        ui::Image& handle;
        P pointer;
        platform::Point to;
        float dLeft, dWidth, dHeight;
    } cases[] = {{frame.Left, P::SizeWE, {510, 405}, 150, -150, 0},
                 {frame.Bottom, P::SizeNS, {510, 405}, 0, 0, 75},
                 {frame.BottomLeft, P::SizeNESW, {480, 405}, -300, 300, 75},
                 {frame.BottomRight, P::SizeNWSE, {200, 100}, 0, 1695 - 6000, 615 - 4500}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.handle.Name());
        Reset();
        Drag(c.handle, {500, 400}, c.to);
        EXPECT_EQ(c.handle.GetMousePointer(), c.pointer);
        EXPECT_EQ(HostRect(), (Floats{1500 + c.dLeft, 1200, 6000 + c.dWidth, 4500 + c.dHeight}));
        // The frame follows the window, and the window gets its region for the new size.
        EXPECT_EQ(
            std::tuple(frame.WidthTwips(), frame.HeightTwips(), HostRecord().region),
            std::tuple(form.Width(), form.Height(),
                       RoundedTop(static_cast<int32_t>(form.Width() / 15), static_cast<int32_t>(form.Height() / 15))));
    }
}

TEST_F(EdgesTest, StillReleasesRefusedRectanglesTheScreensTwipsAndTheLastPressOnAnyHandle) {
    test::ExpectSwallowed scriptedFailures;
    for (int i = 0; i < 5; ++i) Drag(frame.Bottom, {300, 300}, {300, 300});  // restyles, and leaves the window
    Drag(frame.Left, {100, 400}, {600, 400});  // a negative width, which the window refuses
    EXPECT_EQ(std::tuple(HostRect(), frame.HeightTwips(), HostRecord().style, windowing.placements.back().cy,
                         std::count(host->calls.begin(), host->calls.end(), "Move")),
              std::tuple(Floats{1500, 1200, 6000, 4500}, 4500.0f, kStripped, 300, 6));
    windowing.cursor = {500, 400};
    frame.Right.MouseDown(1, 0, 0, 0);
    windowing.cursor = {500, 430};
    frame.Bottom.MouseUp(1, 0, 0, 0);  // released over another handle: that handle's rule, the press's start
    host->failing = {"BorderStyle"};   // the tests count as passed: sizable, and the height is given back
    windowing.cursor = {520, 400};
    frame.Right.MouseUp(1, 0, 0, 0);
    EXPECT_EQ(std::tuple(HostRect(), frame.WidthTwips()), std::tuple(Floats{1500, 1200, 6300, 4950}, 6300.0f));
    host->failing.clear();
    toolkit.twipsPerPixelX = toolkit.twipsPerPixelY = 12;
    Drag(frame.BottomRight, {500, 400}, {510, 410});
    EXPECT_EQ(HostRect(), (Floats{1500, 1200, 6300 + 120, 4950 + 120}));
}

TEST_F(EdgesTest, NothingWhileNotSizableOrNotNormalAndTheBottomOfAMaximisedWindowBringsBackTheTaskbar) {
    const auto tray = windowing.AddWindow(0, {0, 740, 1024, 768}, false);
    windowing.SetClass(tray, "Shell_TrayWnd", "");
    frame.Bottom.MouseMove(0, 0, 1, 1);
    EXPECT_FALSE(windowing.Find(tray)->visible);  // only for a maximised window
    for (const auto& [borderStyle, windowState] : {std::pair{1, 0}, {2, 2}}) {
        form.SetBorderStyle(static_cast<ui::FormBorderStyle>(borderStyle));
        form.SetWindowState(static_cast<ui::FormWindowState>(windowState));
        frame.Right.SetMousePointer(ui::MousePointer::SizeWE);
        Drag(frame.Right, {500, 400}, {550, 400});
        EXPECT_EQ(std::tuple(form.Width(), frame.Right.GetMousePointer()),
                  std::tuple(6000.0f, ui::MousePointer::Default))
            << borderStyle << "/" << windowState;
    }
    form.SetWindowState(ui::FormWindowState::Maximized);
    frame.Right.MouseMove(0, 0, 1, 1);
    EXPECT_FALSE(windowing.Find(tray)->visible);  // only the bottom handle
    frame.Bottom.MouseMove(0, 0, 1, 1);
    constexpr uint32_t kKeepPlace = win::kSwpNoMove | win::kSwpNoSize | win::kSwpNoZOrder | win::kSwpNoActivate;
    EXPECT_EQ(std::tuple(windowing.Find(tray)->visible, windowing.Find(tray)->bounds,
                         windowing.placements.back().flags & kKeepPlace),
              std::tuple(true, platform::Rect{0, 740, 1024, 768}, kKeepPlace));
    EXPECT_EQ(frame.Bottom.GetMousePointer(), ui::MousePointer::Default);
}

}  // namespace
}  // namespace plivant::test
