// ControlButton: every transition of its look under the polling timer, the fixed size, and the
// persisted properties (a disabled close button loaded from them shows the maximise button's disabled look).
#include "widgets/ControlButton.h"

#include <gtest/gtest.h>

#include "SimHost.h"

namespace plivant {
namespace {

using Set = CaptionImageSet;
using Look = CaptionLook;

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

TEST_F(ControlButtonTest, HoverPressAndLeaveUnderThePollingTimerAndAFixedSize) {
    button.SetTheme(1);
    button.SetButtonStyle(4);  // from 3 on: the restore button
    button.SetIsActivate(false);
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbRestore, 4}));  // setting IsActivate alone changes nothing
    button.PicMain.MouseMove(0, 0, 5, 5);
    EXPECT_TRUE(button.Timer1.Armed());
    EXPECT_EQ(Tick(true), (CaptionImage{Set::CbRestore, 5}));   // hover
    EXPECT_EQ(Tick(false), (CaptionImage{Set::CbRestore, 7}));  // left: resting, in the inactive look
    EXPECT_FALSE(button.Timer1.Armed());
    button.PicMain.MouseDown(2, 0, 5, 5);  // only the left button presses
    EXPECT_EQ(button.MouseButtonState(), 0);
    button.PicMain.MouseMove(1, 0, 5, 5);  // moved with the button held: pressed
    EXPECT_EQ(Tick(true), (CaptionImage{Set::CbRestore, 6}));
    button.PicMain.MouseDown(1, 0, 5, 5);
    EXPECT_EQ(button.MouseButtonState(), 1);
    EXPECT_EQ(Tick(true), (CaptionImage{Set::CbRestore, 6}));
    EXPECT_EQ(Tick(false), (CaptionImage{Set::CbRestore, 7}));  // dragged out
    EXPECT_EQ(std::tuple(button.Timer1.Armed(), button.MouseButtonState()), std::tuple(false, 0));
    button.PicMain.MouseDown(1, 0, 5, 5);
    button.PicMain.Click();
    EXPECT_EQ(std::tuple(clicks, button.Shown()),
              std::tuple(1, CaptionImage{Set::CbRestore, 4}));  // resting active first
    for (auto [ipRes, index] : {std::pair{0, 7}, {1, 4}, {-1, 4}}) {
        button.RefreshControl(static_cast<int16_t>(ipRes));
        EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbRestore, index})) << ipRes;
    }
    button.SetWidth(1), button.SetHeight(1200);  // any resize leaves it at 315 twips, 21 pixels
    EXPECT_EQ(
        std::tuple(button.WidthTwips(), button.HeightTwips(), windowing.WindowRect(button.PicMain.hwnd())->Width()),
        std::tuple(315.0f, 315.0f, 21));
}

TEST_F(ControlButtonTest, PersistenceStoresOnlyWhatDiffersFromDefaults) {
    ControlButton loaded(form, "c");
    ui::PropertyBag bag;
    button.InitProperties();
    button.WriteProperties(bag);
    EXPECT_EQ(bag.Count(), 0u);
    button.SetTheme(2);
    button.SetButtonStyle(2);
    button.SetEnabled(false);
    button.SetToolTipText("Close");
    button.SetAutoRedraw(true);
    button.WriteProperties(bag);
    loaded.ReadProperties(bag);
    EXPECT_EQ(std::tuple(bag.Count(), loaded.Theme(), loaded.ButtonStyle(), loaded.Enabled(), loaded.ToolTipText(),
                         loaded.Shown()),
              std::tuple(5u, 2, 2, false, "Close", DisabledCaptionImage(2)));
}

}  // namespace
}  // namespace plivant
