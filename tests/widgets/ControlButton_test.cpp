// ControlButton: the image table, every transition of its look under the polling timer, the fixed size,
// and the six persisted properties.
#include "widgets/ControlButton.h"

#include <gtest/gtest.h>

#include "SimHost.h"

namespace plivant {
namespace {

using Set = CaptionImageSet;
using Look = CaptionLook;

TEST(CaptionImageTable, EveryThemeStateAndKindAndTheDisabledLooks) {
    // Per theme and look: the index of minimise, close and restore, and of maximise.
    const struct {
        int32_t theme;
        Look look;
        int smallIndex, maxIndex;
    } table[] = {
        {0, Look::RestingActive, 0, 0},   {0, Look::Hover, 1, 1},           {0, Look::Pressed, 2, 2},
        {0, Look::RestingInactive, 3, 3}, {1, Look::RestingActive, 4, 5},   {1, Look::Hover, 5, 6},
        {1, Look::Pressed, 6, 7},         {1, Look::RestingInactive, 7, 8}, {2, Look::RestingActive, 11, 14},
        {2, Look::Hover, 10, 13},         {2, Look::Pressed, 9, 12},        {2, Look::RestingInactive, 8, 11},
        {7, Look::RestingActive, 11, 14}, {-1, Look::Hover, 10, 13},  // unknown themes are silver
    };
    for (const auto& row : table) {
        EXPECT_EQ((std::vector<CaptionImage>{
                      CaptionImageFor(row.theme, 0, row.look), CaptionImageFor(row.theme, 1, row.look),
                      CaptionImageFor(row.theme, 2, row.look), CaptionImageFor(row.theme, 4, row.look)}),
                  (std::vector<CaptionImage>{{Set::CbMin, row.smallIndex},
                                             {Set::CbMax, row.maxIndex},
                                             {Set::CbClose, row.smallIndex},
                                             {Set::CbRestore, row.smallIndex}}))
            << row.theme;  // any other kind is restore
    }
    for (auto [theme, index] : {std::pair{0, 4}, {1, 9}, {2, 10}, {7, 10}})
        EXPECT_EQ(DisabledCaptionImage(theme), (CaptionImage{Set::CbMax, index})) << theme;
}

class ControlButtonTest : public test::FormTest {
protected:
    void SetUp() override {
        form.Move(1500, 1500, 6000, 3000);  // at (100, 100) pixels
        button.Move(300, 150, 315, 315);    // at (120, 110), 21 × 21
        button.onClick = [this] { ++clicks; };
        form.Show();
    }
    // Moves the cursor on or off the button, lets the polling timer tick and tells what the button shows.
    CaptionImage Tick(bool on) {
        windowing.cursor = on ? platform::Point{125, 115} : platform::Point{10, 10};
        windowing.Advance(10);
        return button.Shown();
    }

    ControlButton button{form, "CloseButton"};
    int clicks = 0;
};

TEST_F(ControlButtonTest, HoverPressAndLeaveUnderThePollingTimer) {
    EXPECT_EQ(button.PicMain.Picture(), CaptionButtonImage(Set::CbMin, 0));
    button.SetTheme(1);
    button.SetButtonStyle(2);
    button.SetIsActivate(false);
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbClose, 4}));  // setting IsActivate alone changes nothing
    button.PicMain.MouseMove(0, 0, 5, 5);
    EXPECT_TRUE(button.Timer1.Armed());
    EXPECT_EQ(Tick(true), (CaptionImage{Set::CbClose, 5}));   // hover
    EXPECT_EQ(Tick(false), (CaptionImage{Set::CbClose, 7}));  // left: resting, in the inactive look
    EXPECT_FALSE(button.Timer1.Armed());
    button.PicMain.MouseDown(2, 0, 5, 5);  // only the left button presses
    EXPECT_EQ(button.MouseButtonState(), 0);
    button.PicMain.MouseMove(1, 0, 5, 5);  // moved with the button held: pressed
    EXPECT_EQ(Tick(true), (CaptionImage{Set::CbClose, 6}));
    button.PicMain.MouseDown(1, 0, 5, 5);
    EXPECT_EQ(button.MouseButtonState(), 1);
    EXPECT_EQ(Tick(true), (CaptionImage{Set::CbClose, 6}));
    EXPECT_EQ(Tick(false), (CaptionImage{Set::CbClose, 7}));  // dragged out
    EXPECT_FALSE(button.Timer1.Armed());
    EXPECT_EQ(button.MouseButtonState(), 0);

    button.PicMain.MouseDown(1, 0, 5, 5);
    button.PicMain.Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbClose, 4}));  // the click shows resting active first
    for (auto [ipRes, index] : {std::pair{0, 7}, {1, 4}, {-1, 4}}) {
        button.RefreshControl(static_cast<int16_t>(ipRes));
        EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbClose, index})) << ipRes;
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
    for (float size : {1.0f, 600.0f}) {
        button.SetWidth(size);
        button.SetHeight(size * 2);
        EXPECT_FLOAT_EQ(button.WidthTwips() + button.HeightTwips(), 630);
    }
    EXPECT_EQ(windowing.WindowRect(button.PicMain.hwnd())->Width(), 21);
}

TEST_F(ControlButtonTest, PersistenceStoresOnlyWhatDiffersFromDefaults) {
    ControlButton fresh(form, "a"), loaded(form, "c"), defaults(form, "d");
    fresh.InitProperties();
    ui::PropertyBag empty, bag;
    fresh.WriteProperties(empty);
    EXPECT_EQ(empty.Count(), 0u);

    button.RefreshControl(0);
    button.SetTheme(2);
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbMin, 11}));  // an assignment redraws
    button.SetButtonStyle(2);
    button.SetEnabled(false);
    button.SetIsActivate(false);
    button.SetToolTipText("Close");
    button.SetAutoRedraw(true);
    EXPECT_EQ(button.ChangedProperties(),
              (std::vector<std::string>{"Theme", "ButtonStyle", "Enabled", "IsActivate", "ToolTipText", "AutoRedraw"}));
    button.WriteProperties(bag);
    EXPECT_EQ(bag.Count(), 6u);
    loaded.ReadProperties(bag);
    EXPECT_EQ(std::tuple(loaded.Theme(), loaded.ButtonStyle(), loaded.Enabled(), loaded.IsActivate(),
                         loaded.ToolTipText(), loaded.AutoRedraw()),
              std::tuple(2, 2, false, false, std::string("Close"), true));
    EXPECT_EQ(loaded.Shown(), DisabledCaptionImage(2));
    EXPECT_TRUE(loaded.ChangedProperties().empty());

    defaults.SetTheme(2);
    defaults.ReadProperties(ui::PropertyBag{});
    EXPECT_EQ(std::tuple(defaults.Theme(), defaults.IsActivate(), defaults.Enabled()), std::tuple(0, true, true));
}

}  // namespace
}  // namespace plivant
