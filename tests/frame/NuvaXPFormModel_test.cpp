// The frame's members, notifications and saved design; its layout pass, regions and active and inactive looks.
#include <gtest/gtest.h>

#include <array>

#include "art/ThemeXArt.h"
#include "frame/FrameFixture.h"

namespace plivant::test {
namespace {

using ModelTest = FrameTest;

ui::Bitmap Picture(ui::Rgb colour) {
    return ui::Bitmap(16, 16, colour);
}

TEST_F(ModelTest, PlainOperationsOnTheHostAndItsChildForms) {
    sim.process.computerName = std::string(300, 'X');  // too long for the buffer: the spaces come back untouched
    EXPECT_EQ(frame.GetCompName(), std::string(255, ' '));
    frame.FormOnTop(HostWindow(), true);
    frame.SetMDIPosition(10, 200, 100);
    frame.ContainerCheck();  // the frame sits on the host: moved into the client area
    EXPECT_EQ(std::tuple(windowing.Topmost(HostWindow()), frame.PicMain.Left(), frame.Control::Left()),
              std::tuple(true, 10.0f, 75.0f));
    frame.LoadXP();
    ui::Form childForm(toolkit, "frmChild");
    ToolkitHostForm child(childForm);
    EXPECT_TRUE(frame.ShowChild(child));
    EXPECT_EQ(windowing.Find(childForm.hwnd())->parent, frame.PicMain.hwnd());
    frame.CloseChildForm(), frame.CloseChildForm();
    EXPECT_EQ(frame.NChildForm(), 0);
}

TEST_F(ModelTest, AssignmentsReachTheirChildrenAndEachNotifiesItsChange) {
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
    EXPECT_EQ(frame.ChangedProperties().size(), 14u);
    EXPECT_EQ(frame.Caption1.Caption() + form.Caption(), "MountMount");
    EXPECT_EQ(
        (std::vector<bool>{frame.PicMain.Enabled(), frame.MaximizeButton.Enabled(), frame.CloseButton.Visible(),
                           frame.MaximizeButton.Visible(), frame.Minimizebutton.Visible(), frame.TitleIcon.Visible()}),
        std::vector<bool>(6, false));
    EXPECT_EQ(std::tuple(frame.PicMain.BackColor(), frame.pICmenu.BackColor(), frame.PicMain.Picture()),
              std::tuple(0x112233u, 0x445566u, Picture(2)));
    host->failing = {"Caption"};
    EXPECT_FALSE(frame.SetCaption("Refused"));
    EXPECT_EQ(form.Caption(), "Mount");
}

TEST_F(ModelTest, SavedDesignRoundTripsEveryValueAndStoresNoDefault) {
    ui::PropertyBag bag, out, again, none, written;
    ui::Font font;
    font.name = "Tahoma";
    bag.Store("Caption", "Mount");
    bag.Store("Font", font);
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
    EXPECT_FALSE(copy.AutoLoad());
    copy.WriteProperties(written);
    EXPECT_EQ(written.Count(), 0u);
}

TEST_F(ModelTest, ABagWithOnlyAutoLoadAndIconANewInstanceOnItsHostAndTheIconAssignedLater) {
    test::ExpectSwallowed scriptedFailures;
    ui::PropertyBag bag;
    bag.Store("AutoLoad", true);
    bag.Store("Icon", Picture(0x00FF00));
    SizePixels(400, 300);
    frame.ReadProperties(bag);
    EXPECT_EQ(std::tuple(frame.Caption(), frame.ShowIcon(), form.Icon().Empty()), std::tuple("Velmora", true, true));
    // Without a stored font the caption takes the host's (8.25 pt): 8.5 - 9 + 8.25 - 2.
    EXPECT_EQ(frame.Font(), form.Font());
    EXPECT_FLOAT_EQ(frame.Caption1.Top(), 5.75f);
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

using LayoutTest = FrameTest;
using Floats = std::vector<float>;

// The title bar's pieces meet without gaps across the frame's width.
void ExpectJoinedTitle(const NuvaXPForm& frame, float width) {
    EXPECT_EQ((Floats{frame.Title.Left(), frame.Title.Left() + frame.Title.Width(),
                      frame.TitleRight.Left() + frame.TitleRight.Width()}),
              (Floats{frame.TitleLeft.Width(), frame.TitleRight.Left(), width}));
}

// The client area the frame reports (top, height, width) leaves room for the menu strip and its separators when it
// shows; transparent edges shape the container on every pass.
TEST_F(LayoutTest, ThePiecesJoinAcrossTheWidthTheCaptionTakesTheRoomTheHiddenButtonsLeaveAndTheClientAreaTheRest) {
    std::vector<int16_t> client;
    frame.onresize = [&](int16_t& t, int16_t& h, int16_t& w) { client = {t, h, w}; };
    frame.TransparentEdges();
    SizePixels(400, 300);
    EXPECT_EQ(std::tuple(client, frame.PicMain.Top(), frame.TransparentEdgesSet(), HostRecord().region),
              std::tuple(std::vector<int16_t>{450, 4500 - 510, 6000 - 120}, 30.0f, true, RoundedTop(400, 300)));
    EXPECT_EQ((Floats{frame.CloseButton.Left(), frame.Right.Left(), frame.Bottom.Width(), frame.BottomRight.Top()}),
              (Floats{373, 396, 392, 296}));
    ExpectJoinedTitle(frame, 400);
    // Minimise, maximise and icon shown; the caption's left and width, by the rules in order.
    const std::tuple<bool, bool, bool, float, float> captions[] = {
        {1, 1, 1, 25, 295}, {1, 0, 1, 25, 295}, {0, 1, 0, 6.5f, 336}, {0, 0, 0, 6.5f, 359}};
    for (const auto& [minimise, maximise, icon, left, width] : captions) {
        frame.SetShowMinimize(minimise);
        frame.SetShowMaximize(maximise);
        frame.SetShowIcon(icon);
        EXPECT_EQ((Floats{frame.Caption1.Left(), frame.Caption1.Width()}), (Floats{left, width}))
            << minimise << maximise << icon;
    }
    frame.pICmenu.SetVisible(true);
    frame.Repos();
    EXPECT_EQ(std::tuple(client, frame.PicMain.Top()), std::tuple(std::vector<int16_t>{810, 4500 - 870, 5880}, 54.0f));
}

// At 1.5 and 2 times the scale (144 and 192 DPI, told as a window is on a monitor of another DPI) the title, edges,
// caption buttons and rounded corners, and the pictures they show, grow with it; another window stays at 96 DPI.
TEST_F(LayoutTest, AtLargerScalesThePiecesAndTheirPicturesGrowWithTheScale) {
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

TEST_F(LayoutTest, RegionUsesTheScreensTwipsPerPixelAndTheMinimumSizeAndSkipsFailingSteps) {
    test::ExpectSwallowed scriptedFailures;
    form.SetSizeTwips(6000, 4500);
    frame.ReTransObj(*host);
    EXPECT_EQ(HostRecord().region, RoundedTop(400, 300));
    toolkit.twipsPerPixelX = toolkit.twipsPerPixelY = 12;  // the screen's factor, and the minimum size
    form.SetSizeTwips(1000, 300);
    frame.ReTransObj(*host);
    EXPECT_FLOAT_EQ(form.Width() + form.Height(), 1695 + 615);
    // 1695 and 615 twips at 12: 141.25 and 51.25, rounded; at 120 DPI the corners' rows and cuts are 1.25 times as many
    EXPECT_EQ(HostRecord().region, RoundedTop(141, 51, {6, 6, 4, 3, 1, 1, 1}));
    form.SetHeight(300);
    host->failing = {"Width"};
    frame.ReTransObj(*host);
    EXPECT_FLOAT_EQ(form.Height(), 615);  // the failing width test counts as passed, its assignment fails
    EXPECT_EQ(HostRecord().region->back(), (platform::Rect{0, 7, 0, 51}));
    const auto before = HostRecord().region;
    host->failing = {"hwnd"};  // no window: no region
    form.SetWidth(6000);
    frame.ReTransObj(*host);
    EXPECT_EQ(HostRecord().region, before);
}

// A scheme without pictures, or whose double overflows 16 bits, fails and leaves every piece as it was.
TEST_F(LayoutTest, EachSchemeActiveAndInactiveColoursTheCaptionAndPicksPicturesAndButtons) {
    SizePixels(400, 300);
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

}  // namespace
}  // namespace plivant::test
