// ControlButton: the image table, every transition of its look under the polling timer, the fixed size,
// and the six persisted properties.
#include "widgets/ControlButton.h"

#include <gtest/gtest.h>

#include "ui/Form.h"
#include "ui/sim/HeadlessToolkit.h"

namespace plivant {
namespace {

using Set = CaptionImageSet;
using Look = CaptionLook;

struct TableRow {
    int32_t theme;
    Look look;
    int smallIndex;  // CbMin, CbClose, CbRestore
    int maxIndex;    // CbMax
};

// The image table as the artwork's layout fixes it.
constexpr TableRow kTable[] = {
    {0, Look::RestingActive, 0, 0},   {0, Look::Hover, 1, 1},           {0, Look::Pressed, 2, 2},
    {0, Look::RestingInactive, 3, 3}, {1, Look::RestingActive, 4, 5},   {1, Look::Hover, 5, 6},
    {1, Look::Pressed, 6, 7},         {1, Look::RestingInactive, 7, 8}, {2, Look::RestingActive, 11, 14},
    {2, Look::Hover, 10, 13},         {2, Look::Pressed, 9, 12},        {2, Look::RestingInactive, 8, 11},
};

TEST(CaptionImageTable, EveryThemeStateAndKind) {
    for (const auto& row : kTable) {
        EXPECT_EQ(CaptionImageFor(row.theme, 0, row.look), (CaptionImage{Set::CbMin, row.smallIndex})) << row.theme;
        EXPECT_EQ(CaptionImageFor(row.theme, 1, row.look), (CaptionImage{Set::CbMax, row.maxIndex})) << row.theme;
        EXPECT_EQ(CaptionImageFor(row.theme, 2, row.look), (CaptionImage{Set::CbClose, row.smallIndex})) << row.theme;
        EXPECT_EQ(CaptionImageFor(row.theme, 3, row.look), (CaptionImage{Set::CbRestore, row.smallIndex}));
    }
}

TEST(CaptionImageTable, UnknownThemesAreSilverAndUnknownKindsRestore) {
    for (int32_t theme : {7, -1, 2}) {
        EXPECT_EQ(CaptionImageFor(theme, 0, Look::RestingActive), (CaptionImage{Set::CbMin, 11})) << theme;
        EXPECT_EQ(DisabledCaptionImage(theme), (CaptionImage{Set::CbMax, 10})) << theme;
    }
    for (int32_t style : {3, 4, -1}) {
        EXPECT_EQ(CaptionImageFor(0, style, Look::Hover).set, Set::CbRestore) << style;
    }
    EXPECT_EQ(DisabledCaptionImage(0), (CaptionImage{Set::CbMax, 4}));
    EXPECT_EQ(DisabledCaptionImage(1), (CaptionImage{Set::CbMax, 9}));
}

class ControlButtonTest : public testing::Test {
protected:
    void SetUp() override {
        form.Move(1500, 1500, 6000, 3000);  // at (100, 100) pixels
        button.Move(300, 150, 315, 315);    // at (120, 110), 21 × 21
        button.onClick = [this] { ++clicks; };
        form.Show();
        ASSERT_NE(button.hwnd(), 0u);
    }
    void CursorOn() { windowing.cursor = {125, 115}; }
    void CursorOff() { windowing.cursor = {10, 10}; }

    platform::sim::SimWindowing windowing;
    platform::sim::SimShell shell;
    ui::sim::HeadlessToolkit toolkit{windowing, shell};
    ui::Form form{toolkit, "frmHost"};
    ControlButton button{form, "CloseButton"};
    int clicks = 0;
};

TEST_F(ControlButtonTest, CreatedShowingTheRestingActiveImage) {
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbMin, 0}));
    EXPECT_EQ(button.PicMain.Picture(), CaptionButtonImage(Set::CbMin, 0));
    EXPECT_EQ(button.PicMain.BackColor(), ui::kWindowBackground);
    EXPECT_FALSE(button.Timer1.Armed());
}

TEST_F(ControlButtonTest, HoverThenLeaveEndsOnTheRestingLookOfIsActivate) {
    button.SetTheme(1);
    button.SetButtonStyle(2);
    button.SetIsActivate(false);
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbClose, 4}));  // setting IsActivate alone changes nothing
    CursorOn();
    button.PicMain.MouseMove(0, 0, 5, 5);
    EXPECT_TRUE(button.Timer1.Armed());
    windowing.Advance(10);
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbClose, 5}));  // hover
    windowing.Advance(30);
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbClose, 5}));
    CursorOff();
    windowing.Advance(10);
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbClose, 7}));  // resting, inactive look
    EXPECT_FALSE(button.Timer1.Armed());
    EXPECT_EQ(button.MouseButtonState(), 0);
}

TEST_F(ControlButtonTest, HoldingTheLeftButtonShowsPressedUntilDraggedOut) {
    CursorOn();
    button.PicMain.MouseDown(1, 0, 5, 5);
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbMin, 2}));
    EXPECT_EQ(button.MouseButtonState(), 1);
    for (int tick = 0; tick < 3; ++tick) {
        windowing.Advance(10);
        EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbMin, 2})) << tick;
    }
    CursorOff();
    windowing.Advance(10);
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbMin, 0}));
    EXPECT_FALSE(button.Timer1.Armed());
}

TEST_F(ControlButtonTest, OnlyTheLeftButtonPresses) {
    button.PicMain.MouseDown(2, 0, 5, 5);
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbMin, 0}));
    EXPECT_FALSE(button.Timer1.Armed());
}

TEST_F(ControlButtonTest, MoveWithTheButtonHeldOverItShowsPressed) {
    CursorOn();
    button.PicMain.MouseMove(1, 0, 5, 5);
    windowing.Advance(10);
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbMin, 2}));
    button.PicMain.MouseMove(0, 0, 5, 5);
    windowing.Advance(10);
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbMin, 1}));
}

TEST_F(ControlButtonTest, ClickShowsRestingActiveThenRaisesClick) {
    button.SetIsActivate(false);
    button.RefreshControl(0);
    button.PicMain.MouseDown(1, 0, 5, 5);
    button.PicMain.Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbMin, 0}));
    EXPECT_EQ(button.MouseButtonState(), 0);
}

TEST_F(ControlButtonTest, RefreshControlLooks) {
    struct {
        int16_t ipRes;
        int index;
    } cases[] = {{0, 3}, {1, 0}, {-1, 0}};
    for (const auto& c : cases) {
        button.RefreshControl(c.ipRes);
        EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbMin, c.index})) << c.ipRes;
    }
}

TEST_F(ControlButtonTest, DisabledShowsTheMaximiseDisabledImageOfItsThemeForEveryKind) {
    for (int32_t style : {0, 1, 2, 3}) {
        for (int32_t theme : {0, 1, 2}) {
            button.SetEnabled(true);
            button.SetButtonStyle(style);
            button.SetTheme(theme);
            button.SetEnabled(false);
            EXPECT_EQ(button.Shown(), DisabledCaptionImage(theme)) << style << " " << theme;
            button.RefreshControl(0);
            EXPECT_EQ(button.Shown(), DisabledCaptionImage(theme)) << style << " " << theme;
        }
    }
}

TEST_F(ControlButtonTest, AnyResizeLeavesItAt315Twips) {
    for (float size : {1.0f, 600.0f, 315.0f}) {
        button.SetWidth(size);
        button.SetHeight(size * 2);
        EXPECT_FLOAT_EQ(button.WidthTwips(), 315);
        EXPECT_FLOAT_EQ(button.HeightTwips(), 315);
    }
    EXPECT_EQ(windowing.WindowRect(button.PicMain.hwnd())->Width(), 21);
}

TEST_F(ControlButtonTest, PropertyAssignmentsMarkChangesAndRedrawActive) {
    button.RefreshControl(0);
    button.SetTheme(2);
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbMin, 11}));
    button.SetToolTipText("Close");
    button.SetAutoRedraw(true);
    button.SetIsActivate(false);
    EXPECT_EQ(button.ChangedProperties(),
              (std::vector<std::string>{"Theme", "ToolTipText", "AutoRedraw", "IsActivate"}));
}

TEST(ControlButtonPersistence, RoundTripStoresOnlyWhatDiffersFromDefaults) {
    platform::sim::SimWindowing windowing;
    platform::sim::SimShell shell;
    ui::sim::HeadlessToolkit toolkit{windowing, shell};
    ui::Form form{toolkit, "frmHost"};
    ControlButton fresh(form, "a");
    fresh.InitProperties();
    ui::PropertyBag empty;
    fresh.WriteProperties(empty);
    EXPECT_EQ(empty.Count(), 0u);

    ControlButton saved(form, "b");
    saved.SetTheme(1);
    saved.SetButtonStyle(2);
    saved.SetEnabled(false);
    saved.SetIsActivate(false);
    saved.SetToolTipText("Close");
    saved.SetAutoRedraw(true);
    ui::PropertyBag bag;
    saved.WriteProperties(bag);
    EXPECT_EQ(bag.Count(), 6u);

    ControlButton loaded(form, "c");
    loaded.ReadProperties(bag);
    EXPECT_EQ(loaded.Theme(), 1);
    EXPECT_EQ(loaded.ButtonStyle(), 2);
    EXPECT_FALSE(loaded.Enabled());
    EXPECT_FALSE(loaded.IsActivate());
    EXPECT_EQ(loaded.ToolTipText(), "Close");
    EXPECT_TRUE(loaded.AutoRedraw());
    EXPECT_EQ(loaded.Shown(), (CaptionImage{Set::CbMax, 9}));  // disabled image of its own theme
    EXPECT_TRUE(loaded.ChangedProperties().empty());

    ControlButton defaults(form, "d");
    defaults.SetTheme(2);
    defaults.ReadProperties(ui::PropertyBag{});
    EXPECT_EQ(defaults.Theme(), 0);
    EXPECT_TRUE(defaults.IsActivate());
    EXPECT_TRUE(defaults.Enabled());
}

}  // namespace
}  // namespace plivant
