// The frame on a form in the simulated window manager: members, notifications, saved design, layout, regions and looks;
// the skin applied to the form, caption buttons, double clicks, menu strip, closing, resizing by edges and corners.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "SimHost.h"
#include "SwallowCheck.h"
#include "art/ThemeXArt.h"
#include "frame/NuvaXPForm.h"
#include "frame/ToolkitHostForm.h"
#include "platform/WinConst.h"

namespace plivant::test {
namespace {

using Floats = std::vector<float>;

// The program's host over a form, except that any member can be told to fail the way a late-bound member that the
// object lacks does, and that the calls which show, hide, move or unload the form are recorded.
class ScriptedHost final : public IHostForm {
public:
    explicit ScriptedHost(ui::Form& form) : real(form) {}
    std::string Caption() const override { return Check("Caption"), real.Caption(); }
    void SetCaption(const std::string& value) override { Check("Caption"), real.SetCaption(value); }
    void SetIcon(const ui::Bitmap& value) override { Check("Icon"), real.SetIcon(value); }
    void SetBackColor(ui::OleColor value) override { Check("BackColor"), real.SetBackColor(value); }
    float Left() const override { return Check("Left"), real.Left(); }
    void SetLeft(float value) override { Check("Left"), real.SetLeft(value); }
    float Top() const override { return Check("Top"), real.Top(); }
    void SetTop(float value) override { Check("Top"), real.SetTop(value); }
    float Width() const override { return Check("Width"), real.Width(); }
    void SetWidth(float value) override { Check("Width"), real.SetWidth(value); }
    float Height() const override { return Check("Height"), real.Height(); }
    void SetHeight(float value) override { Check("Height"), real.SetHeight(value); }
    void Move(float l, float t, float w, float h) override { Record("Move", "Move"), real.Move(l, t, w, h); }
    ui::FormBorderStyle BorderStyle() const override { return Check("BorderStyle"), real.BorderStyle(); }
    bool MinButton() const override { return Check("MinButton"), real.MinButton(); }
    bool MaxButton() const override { return Check("MaxButton"), real.MaxButton(); }
    ui::FormWindowState WindowState() const override { return Check("WindowState"), real.WindowState(); }
    void SetWindowState(ui::FormWindowState value) override { Check("WindowState"), real.SetWindowState(value); }
    bool Visible() const override { return Check("Visible"), real.Visible(); }
    void SetVisible(bool on) override { Record(on ? "Visible=True" : "Visible=False", "Visible"), real.SetVisible(on); }
    void Show() override { Record("Show", "Show"), real.Show(); }
    void ShowAs(int16_t modal, IHostForm* owner) override {
        Record("Show " + std::to_string(modal) + (owner ? " owner" : " none"), "Show"), real.ShowAs(modal, owner);
    }
    void Unload() override { Record("Unload", "Unload"), real.Unload(); }
    void PopupMenu(IHostControl& menu, float x, float y) override { real.PopupMenu(menu, x, y); }
    platform::WindowHandle hwnd() const override { return Check("hwnd"), real.hwnd(); }
    std::vector<std::shared_ptr<IHostControl>> Controls() override { return real.Controls(); }
    void OnActivation(ui::Handler<void(bool)> handler) override { real.OnActivation(handler); }
    ui::Form* ToolkitForm() const override { return real.ToolkitForm(); }

    std::set<std::string> failing;  // members that fail with LateBoundError
    std::vector<std::string> calls;

private:
    void Check(const std::string& member) const {
        if (failing.count(member)) throw LateBoundError("scripted failure of " + member);
    }
    void Record(const std::string& call, const std::string& member) { Check(member), calls.push_back(call); }
    ToolkitHostForm real;
};

constexpr int32_t kOverlapped = 0x00CF0000 | 0x10000000;  // caption, system menu, thick frame, boxes; visible
constexpr int32_t kStripped = 0x10000000 | static_cast<int32_t>(win::kWsSysMenu);
using Calls = std::vector<std::string>;

// The frame at 400 × 300 pixels on a loaded form with the standard caption and borders.
class FrameTest : public FormTest {
protected:
    FrameTest() {
        form.Load();
        frame.SetSizeTwips(6000, 4500);
        windowing.WriteLong(form.hwnd(), win::kGwlStyle, kOverlapped);
    }
    ui::Menu& AddMenu(const char* tag, const char* caption, bool enabled = true) {
        ui::Menu& menu = menus.emplace_back(form, caption, caption);
        menu.SetTag(tag);
        menu.SetEnabled(enabled);
        return menu;
    }
    const platform::sim::SimWindowing::Window& HostRecord() const { return *windowing.Find(form.hwnd()); }
    // The region the frame gives a window: the top corners cut row by row (at 96 DPI by default).
    static platform::Region RoundedTop(int32_t w, int32_t h, std::vector<int32_t> cuts = {5, 3, 2, 1, 1}) {
        platform::Region region;
        for (int32_t row = 0; const int32_t cut : cuts) region.push_back({cut, row, w - cut, row + 1}), ++row;
        region.push_back({0, static_cast<int32_t>(cuts.size()), w, h});
        return region;
    }

    std::shared_ptr<ScriptedHost> host = std::make_shared<ScriptedHost>(form);
    NuvaXPForm frame{form, "NuvaXPForm1", sim.process, host};
    std::deque<ui::Menu> menus;
};

const auto Picture = [](ui::Rgb colour) { return ui::Bitmap(16, 16, colour); };

TEST_F(FrameTest, PlainOperationsOnTheHostAndItsChildForms) {
    sim.process.computerName = std::string(300, 'X');  // too long for the buffer: the spaces come back untouched
    EXPECT_EQ(frame.GetCompName(), std::string(255, ' '));
    frame.FormOnTop(form.hwnd(), true);
    frame.SetMDIPosition(10, 200, 100);
    frame.ContainerCheck();  // the frame sits on the host: moved into the client area
    EXPECT_EQ(std::tuple(windowing.Topmost(form.hwnd()), frame.Control::Left(), frame.PicMain.Left(),
                         frame.PicMain.Width(), frame.PicMain.Height()),
              std::tuple(true, 75.0f, 10.0f, 200.0f, 100.0f));
    frame.LoadXP();
    ui::Form childForm(toolkit, "frmChild");
    ToolkitHostForm child(childForm);
    EXPECT_TRUE(frame.ShowChild(child));
    frame.CloseChildForm(), frame.CloseChildForm();  // never below none
    EXPECT_EQ(std::tuple(windowing.Find(childForm.hwnd())->parent, frame.NChildForm()),
              std::tuple(frame.PicMain.hwnd(), 0));
}

TEST_F(FrameTest, AssignmentsReachTheirChildrenAndEachNotifiesItsChange) {
    test::ExpectSwallowed scriptedFailures;
    frame.SetAutoLoad(false);
    frame.SetBackColor(0x112233);
    EXPECT_TRUE(frame.SetCaption("Mount"));
    frame.SetFont(ui::Font{});
    frame.SetHaveChild(true);
    frame.SetTitleTop(0);
    frame.SetEnabled(false);
    frame.SetEnableMaximize(false);
    frame.SetMenuBackColor(0x445566);
    frame.SetPicture(Picture(2));
    frame.SetShowClose(false);
    frame.SetShowIcon(false);
    frame.SetShowMaximize(false);
    frame.SetShowMinimize(false);
    frame.SetShowMinimize(false);  // marked once: a window opened again and again does not grow
    EXPECT_EQ(std::tuple(frame.ChangedProperties().size(), frame.Caption1.Caption() + form.Caption()),
              std::tuple(14u, "MountMount"));
    EXPECT_EQ(
        (std::vector<bool>{frame.PicMain.Enabled(), frame.MaximizeButton.Enabled(), frame.CloseButton.Visible(),
                           frame.MaximizeButton.Visible(), frame.Minimizebutton.Visible(), frame.TitleIcon.Visible()}),
        std::vector<bool>(6, false));
    host->failing = {"Caption"};
    EXPECT_FALSE(frame.SetCaption("Refused"));
    EXPECT_EQ(form.Caption(), "Mount");
}

TEST_F(FrameTest, SavedDesignRoundTripsEveryValueAndStoresNoDefault) {
    ui::PropertyBag bag, out, again, none, written;
    bag.Store("Caption", "Mount");
    bag.Store("Font", ui::Font{.name = "Tahoma"});
    for (const char* flag : {"ShowMinimize", "ShowMaximize", "ShowClose", "EnableMaximize", "ShowIcon", "Enabled"})
        bag.Store(flag, false);
    for (const char* flag : {"ShowHelp", "AutoLoad", "CloseActive", "HaveChild"}) bag.Store(flag, true);
    bag.Store("Icon", Picture(0x0000FF));
    bag.Store("Picture", Picture(0xFF0000));
    for (const char* number : {"IpModal", "IconTop", "TitleTop", "Theme"}) bag.Store(number, 2);
    bag.Store("MenuBackColor", 0xEEEEEE);
    bag.Store("BackColor", 0x102030);
    frame.ReadProperties(bag);
    EXPECT_TRUE(frame.ShowHelp() && frame.ColorScheme() == 2);
    EXPECT_FALSE(frame.ShowMinimize() || frame.ShowMaximize() || frame.ShowClose());
    EXPECT_TRUE(frame.Minimizebutton.Visible() && frame.MaximizeButton.Visible() && frame.CloseButton.Visible());
    EXPECT_EQ(frame.MaximizeButton.Shown(), DisabledCaptionImage(2));  // follows the flag, with its disabled look
    frame.WriteProperties(out);
    NuvaXPForm copy(form, "NuvaXPForm2", sim.process, host);
    copy.ReadProperties(out);
    copy.WriteProperties(again);
    EXPECT_EQ(std::tuple(bag.Count(), out.Count(), again.Count()), std::tuple(20u, 20u, 20u));
    EXPECT_EQ(std::tuple(copy.Icon(), copy.Picture(), copy.BackColor(), copy.MenuBackColor(), copy.Font().name),
              std::tuple(Picture(0x0000FF), Picture(0xFF0000), 0x102030u, 0xEEEEEEu, std::string("Tahoma")));
    copy.ReadProperties(none);
    copy.WriteProperties(written);
    EXPECT_EQ(std::tuple(copy.AutoLoad(), written.Count()), std::tuple(false, 0u));
}

TEST_F(FrameTest, ABagWithOnlyAutoLoadAndIconANewInstanceOnItsHostAndTheIconAssignedLater) {
    test::ExpectSwallowed scriptedFailures;
    ui::PropertyBag bag;
    bag.Store("AutoLoad", true);
    bag.Store("Icon", Picture(0x00FF00));
    frame.ReadProperties(bag);
    EXPECT_EQ(std::tuple(frame.Caption(), frame.ShowIcon(), form.Icon().Empty()), std::tuple("Velmora", true, true));
    // Without a stored font the caption takes the host's (8.25 pt): 8.5 - 9 + 8.25 - 2.
    EXPECT_EQ(std::tuple(frame.Font(), frame.Caption1.Top()), std::tuple(form.Font(), 5.75f));
    form.SetCaption("Form1");
    frame.SetColorScheme(1);
    frame.InitProperties();
    EXPECT_EQ(std::tuple(form.BackColor(), frame.Caption(), frame.ShowIcon(), frame.ColorScheme()),
              std::tuple(0xD8E9ECu, std::string("Form1"), false, 0));
    // Assigned, the icon shows or hides the title icon and the caption is laid out again; IconTop is kept.
    frame.SetIcon(ui::Bitmap{});
    EXPECT_EQ(std::tuple(frame.ShowIcon(), frame.Caption1.Left()), std::tuple(false, 6.5f));  // re-laid out
    frame.SetIcon(Picture(0x123456));
    EXPECT_EQ(std::tuple(frame.ShowIcon(), frame.Caption1.Left(), form.Icon()),
              std::tuple(true, 25.0f, Picture(0x123456)));
    host->failing = {"Icon"};  // stops before the icon is shown or hidden
    frame.SetIcon(ui::Bitmap{});
    EXPECT_TRUE(frame.ShowIcon());
    frame.SetIconTop(9);
    frame.TitleIcon.SetTop(20);
    EXPECT_EQ(frame.IconTop(), 9);
    EXPECT_FLOAT_EQ(frame.TitleIcon.Top(), 9) << "reading the value moves the icon back";
}

void ExpectJoinedTitle(const NuvaXPForm& frame, float width) {
    EXPECT_EQ((Floats{frame.Title.Left(), frame.Title.Left() + frame.Title.Width(),
                      frame.TitleRight.Left() + frame.TitleRight.Width()}),
              (Floats{frame.TitleLeft.Width(), frame.TitleRight.Left(), width}));
}

// The client area the frame reports (top, height, width) leaves room for the menu strip and its separators when it
// shows; transparent edges shape the container on every pass.
TEST_F(FrameTest, ThePiecesJoinAcrossTheWidthTheCaptionTakesTheRoomTheHiddenButtonsLeaveAndTheClientAreaTheRest) {
    std::vector<int16_t> client;
    frame.onresize = [&](int16_t& t, int16_t& h, int16_t& w) { client = {t, h, w}; };
    frame.TransparentEdges();
    frame.SetSizeTwips(7500, 4500);
    EXPECT_EQ(std::tuple(client, frame.PicMain.Top(), frame.TransparentEdgesSet(), HostRecord().region),
              std::tuple(std::vector<int16_t>{450, 4500 - 510, 7500 - 120}, 30.0f, true, RoundedTop(500, 300)));
    ExpectJoinedTitle(frame, 500);
    // Minimise, maximise and icon shown; the caption's left and width, by the rules in order.
    const std::tuple<bool, bool, bool, float, float> captions[] = {
        {1, 1, 1, 25, 395}, {1, 0, 1, 25, 395}, {0, 1, 0, 6.5f, 436}, {0, 0, 0, 6.5f, 459}};
    for (const auto& [minimise, maximise, icon, left, width] : captions) {
        frame.SetShowMinimize(minimise);
        frame.SetShowMaximize(maximise);
        frame.SetShowIcon(icon);
        EXPECT_EQ((Floats{frame.Caption1.Left(), frame.Caption1.Width()}), (Floats{left, width}))
            << minimise << maximise << icon;
    }
    frame.pICmenu.SetVisible(true);
    frame.Repos();
    EXPECT_EQ(std::tuple(client, frame.PicMain.Top()), std::tuple(std::vector<int16_t>{810, 4500 - 870, 7380}, 54.0f));
}

// At 1.5 and 2 times the scale (144 and 192 DPI, told as a window is on a monitor of another DPI) the title, edges,
// caption buttons and rounded corners, and the pictures they show, grow with it; another window stays at 96 DPI.
TEST_F(FrameTest, AtLargerScalesThePiecesAndTheirPicturesGrowWithTheScale) {
    const struct {
        float twips;
        Floats pieces;              // title height, edge, button, close button's left, title's left end, client top
        std::vector<int> pictures;  // title's height, close button's, first row's corner cut
    } scales[] = {{10, {45, 6, 32, 559, 15, 45}, {45, 32, 8}}, {7.5f, {60, 8, 42, 746, 20, 60}, {60, 42, 10}}};
    frame.TransparentEdges();
    ui::Form other(toolkit, "frmOther");
    ControlButton button(other, "cmdClose");
    other.Load();
    for (const auto& s : scales) {
        form.SetDpi(static_cast<int>(1440 / s.twips));
        form.RescaleTree();
        frame.SetSizeTwips(6000, 4500);
        EXPECT_EQ((Floats{frame.Title.Height(), frame.Left.Width(), frame.CloseButton.Width(), frame.CloseButton.Left(),
                          frame.TitleLeft.Width(), frame.PicMain.Top()}),
                  s.pieces);
        EXPECT_EQ((std::vector<int>{frame.Title.Picture().Height(), frame.CloseButton.PicMain.Picture().Width(),
                                    HostRecord().region->front().left}),
                  s.pictures);
        ExpectJoinedTitle(frame, 6000 / s.twips);
        EXPECT_EQ(std::tuple(button.PixelBounds().Width(), button.PicMain.Picture().Width()), std::tuple(21, 21));
    }
}

TEST_F(FrameTest, RegionUsesTheScreensTwipsPerPixelAndTheMinimumSizeAndSkipsFailingSteps) {
    test::ExpectSwallowed scriptedFailures;
    toolkit.twipsPerPixelX = toolkit.twipsPerPixelY = 12;  // the screen's factor, and the minimum size
    form.SetSizeTwips(1000, 300);
    frame.ReTransObj(*host);
    EXPECT_FLOAT_EQ(form.Width() + form.Height(), 1695 + 615);
    // 1695 and 615 twips at 12: 141.25 and 51.25, rounded; at 120 DPI the corners' rows and cuts are 1.25 times as many
    EXPECT_EQ(HostRecord().region, RoundedTop(141, 51, {6, 6, 4, 3, 1, 1, 1}));
    form.SetHeight(300);
    host->failing = {"Width"};
    frame.ReTransObj(*host);
    // The failing width test counts as passed, its assignment fails.
    EXPECT_EQ(std::tuple(form.Height(), HostRecord().region->back()), std::tuple(615.0f, platform::Rect{0, 7, 0, 51}));
    const auto before = HostRecord().region;
    host->failing = {"hwnd"};  // no window: no region
    form.SetWidth(6000);
    frame.ReTransObj(*host);
    EXPECT_EQ(HostRecord().region, before);
}

// A scheme without pictures, or whose double overflows 16 bits, fails and leaves every piece as it was.
TEST_F(FrameTest, EachSchemeActiveAndInactiveColoursTheCaptionAndPicksPicturesAndButtons) {
    frame.SetEnableMaximize(false);
    // The first of the theme's picture arrays whose picture in element e the frame's piece does not show; 0: none.
    const auto wrongPiece = [&](int e) {
        int array = 0;
        for (const ui::Image* piece : {&frame.Title, &frame.TitleLeft, &frame.TitleRight, &frame.Left, &frame.Right,
                                       &frame.Bottom, &frame.BottomRight, &frame.BottomLeft})
            if (piece->Picture() != ThemeXPicture(++array, e)) return array;
        return 0;
    };
    // Element 2 × scheme, plus one when inactive: the caption's colour, the pieces and the caption buttons.
    const ui::OleColor captions[] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x000000, 0xC0C0C0};
    for (int e = 0; e < 6; ++e) {
        const int scheme = e / 2;
        const bool active = e % 2 == 0;
        SCOPED_TRACE(testing::Message() << scheme << (active ? " active" : " inactive"));
        frame.SetColorScheme(scheme);
        ASSERT_TRUE(frame.SetFormActiveStyle(active));
        EXPECT_EQ(std::tuple(frame.Caption1.ForeColor(), wrongPiece(e)), std::tuple(captions[e], 0));
        ExpectJoinedTitle(frame, 400);  // whatever the widths of the end pieces in this scheme and state
        EXPECT_EQ(frame.CloseButton.Shown(),
                  CaptionImageFor(scheme, 2, active ? CaptionLook::RestingActive : CaptionLook::RestingInactive));
        EXPECT_EQ(frame.MaximizeButton.Shown(), DisabledCaptionImage(scheme));
    }
    frame.Repos();  // every pass ends active
    EXPECT_EQ(frame.CloseButton.Shown(), CaptionImageFor(2, 2, CaptionLook::RestingActive));
    int raised = 0;  // a failing scheme stops the pass before the client area
    frame.onresize = [&](int16_t&, int16_t&, int16_t&) { ++raised; };
    for (const int32_t scheme : {3, -1, 20000, -20000, 70000}) {
        frame.SetColorScheme(scheme);
        EXPECT_EQ(std::tuple(frame.Repos() || frame.SetFormActiveStyle(true), raised, wrongPiece(4)),
                  std::tuple(false, 0, 0))
            << scheme;
    }
    form.Show();  // the theme's own store of pictures is never shown
    for (int e = 0; e < ThemeX::kElements; ++e) EXPECT_FALSE(frame.ThemeX1.Image1[e].Visible()) << e;
}

// Border style, min and max buttons of the host; the minimise, maximise and enabled-maximise flags that follow.
class LoadXPTest : public FrameTest, public testing::WithParamInterface<std::array<int, 6>> {};

TEST_P(LoadXPTest, FitsTheHostToTheFrameAndChoosesTheButtons) {
    const auto [border, min, max, showMin, showMax, enableMax] = GetParam();
    form.SetBorderStyle(static_cast<ui::FormBorderStyle>(border));
    form.SetMinButton(min);
    form.SetMaxButton(max);
    AddMenu("Popup", "Popup");  // not tagged: no menu strip
    frame.Control::Move(300, 200, 6000, 4500);
    frame.LoadXP();
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

TEST_F(FrameTest, LoadXPShowsPlainlyAtItsFirstFailureOrModallyOrOwnedOnRequest) {
    test::ExpectSwallowed scriptedFailures;
    // A frame whose container is not a form has no host: nothing is shown, nothing fails.
    ui::PictureBox box(form, "picBox");
    NuvaXPForm boxed(box, "NuvaXPForm2", sim.process);
    boxed.LoadXP();
    EXPECT_FALSE(form.Visible());
    host->failing = {"BorderStyle"};
    frame.LoadXP();
    EXPECT_EQ(std::tuple(host->calls, form.Visible()), std::tuple(Calls{"Show"}, true));
    EXPECT_EQ(std::tuple(HostRecord().style, HostRecord().region), std::tuple(kOverlapped, std::nullopt));  // untouched
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

TEST_F(FrameTest, TaggedMenusBecomeLabelsLeftToRightAndOpenBelowThem) {
    ui::Menu &file = AddMenu("MainMenu", "&File"), &plain = AddMenu("", "Popup"),
             &edit = AddMenu("mainmenu", "&Edit", false);
    frame.LoadXP();
    ASSERT_EQ(std::tuple(frame.pICmenu.Visible(), frame.MenuCount()), std::tuple(true, 2));
    LabelMenu &first = frame.LbMenu[1], &second = frame.LbMenu[2];
    EXPECT_EQ(first.Caption() + second.Caption(), "&File&Edit");
    EXPECT_EQ((Floats{first.Left(), second.Left()}), (Floats{60, first.Left() + first.Width()}));
    EXPECT_FALSE(second.Enabled() || frame.LbMenu[100].Visible() || frame.LbMenu.Exists(3));
    EXPECT_EQ((std::vector<bool>{file.Visible(), plain.Visible(), edit.Visible()}), (std::vector<bool>{0, 1, 0}));
    second.Click();
    frame.LbMenu[100].Click();  // no menu behind it: the handler ends
    ASSERT_EQ(toolkit.popups.size(), 1u);
    EXPECT_EQ(std::tuple(toolkit.popups[0].menu, toolkit.popups[0].x, toolkit.popups[0].y),  // below, in pixels
              std::tuple("&Edit", std::nearbyint(second.Left() + 4 + 60), 45 + 30 + 450 + 270 - 80.0f));
}

// A double click on the title maximises where allowed, from any other state restores; on the icon it ignores
// EnableMaximize and the max button; an unreadable border counts as sizable.
TEST_F(FrameTest, MinimiseMaximiseAndRestoreByButtonOrDoubleClick) {
    test::ExpectSwallowed scriptedFailures;
    frame.LoadXP();
    form.SetSizeTwips(9000, 6000);
    const auto after = [&](const std::function<void()>& act) { return act(), static_cast<int>(form.WindowState()); };
    EXPECT_EQ(after([&] { frame.MaximizeButton.Click(); }), 2);
    EXPECT_EQ(std::tuple(frame.WidthTwips() + frame.HeightTwips(), HostRecord().region,
                         Floats{frame.CloseButton.Left(), frame.Right.Left(), frame.BottomRight.Top()}),
              std::tuple(9000.0f + 6000, RoundedTop(600, 400), Floats{573, 596, 396}));
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

// The skin on a real window is checked under Wine; here what only the model shows: nothing without AutoLoad, the
// menu labels going and coming with the window, and a close that ends the program at once, not even raising CloseForm.
TEST_F(FrameTest, ShowingTheHostAppliesTheSkinUnlessAutoLoadIsOffAndCloseUnloadsItOrEndsTheProgram) {
    ui::Menu& file = AddMenu("MAINMENU", "&File");
    ui::PropertyBag bag;
    frame.ReadProperties(bag);
    form.Show();
    EXPECT_EQ(std::tuple(frame.MyForm(), HostRecord().style, file.Visible()), std::tuple(nullptr, kOverlapped, true));
    form.Hide();
    bag.Store("AutoLoad", true);
    frame.ReadProperties(bag);
    form.Show();
    EXPECT_EQ(std::tuple(frame.MyForm(), HostRecord().style, file.Visible(), frame.MenuCount()),
              std::tuple(host.get(), kStripped, false, 1));
    file.SetVisible(true);
    frame.CloseButton.Click();
    EXPECT_EQ(std::tuple(form.Loaded(), frame.MenuCount()), std::tuple(false, 0));
    form.Show();
    EXPECT_EQ(std::tuple(frame.MenuCount(), frame.LbMenu.Exists(100)), std::tuple(1, true));
    bool raised = false;
    frame.onCloseForm = [&] { raised = true; };
    frame.SetCloseActive(true);
    EXPECT_TRUE(platform::sim::EndsTheProcess([&] { frame.CloseButton.Click(); }));
    EXPECT_EQ(std::tuple(form.Loaded(), raised), std::tuple(true, false));
}

class EdgesTest : public FrameTest {
protected:
    EdgesTest() { frame.LoadXP(); }
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
        float left, width, height;  // the window's, in pixels
    } cases[] = {{frame.Left, P::SizeWE, {510, 405}, 110, 390, 300},
                 {frame.Bottom, P::SizeNS, {510, 405}, 100, 400, 305},
                 {frame.BottomLeft, P::SizeNESW, {480, 405}, 80, 420, 305},
                 {frame.BottomRight, P::SizeNWSE, {200, 100}, 100, 1695 / 15, 615 / 15}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.handle.Name());
        form.Move(1500, 1200, 6000, 4500);
        frame.SetSizeTwips(6000, 4500);
        Drag(c.handle, {500, 400}, c.to);
        EXPECT_EQ(
            std::tuple(c.handle.GetMousePointer(), HostRect(), frame.WidthTwips(), frame.HeightTwips()),
            std::tuple(c.pointer, Floats{c.left * 15, 1200, c.width * 15, c.height * 15}, c.width * 15, c.height * 15));
        EXPECT_EQ(HostRecord().region, RoundedTop(c.width, c.height));  // for the new size
    }
}

TEST_F(EdgesTest, StillReleasesRefusedRectanglesTheScreensTwipsAndTheLastPressOnAnyHandle) {
    test::ExpectSwallowed scriptedFailures;
    for (int i = 0; i < 5; ++i) Drag(frame.Bottom, {300, 300}, {300, 300});  // restyles, and leaves the window
    Drag(frame.Left, {100, 400}, {600, 400});  // a negative width, which the window refuses
    EXPECT_EQ(std::tuple(HostRect(), frame.HeightTwips(), HostRecord().style, windowing.placements.back().cy,
                         std::count(host->calls.begin(), host->calls.end(), "Move")),
              std::tuple(Floats{0, 0, 6000, 4500}, 4500.0f, kStripped, 300, 6));
    windowing.cursor = {500, 400};
    frame.Right.MouseDown(1, 0, 0, 0);
    windowing.cursor = {500, 430};
    frame.Bottom.MouseUp(1, 0, 0, 0);  // released over another handle: that handle's rule, the press's start
    host->failing = {"BorderStyle"};   // the tests count as passed: sizable, and the height is given back
    windowing.cursor = {520, 400};
    frame.Right.MouseUp(1, 0, 0, 0);
    EXPECT_EQ(std::tuple(HostRect(), frame.WidthTwips()), std::tuple(Floats{0, 0, 6300, 4950}, 6300.0f));
    host->failing.clear();
    toolkit.twipsPerPixelX = toolkit.twipsPerPixelY = 12;
    Drag(frame.BottomRight, {500, 400}, {510, 410});
    EXPECT_EQ(HostRect(), (Floats{0, 0, 6300 + 120, 4950 + 120}));
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
