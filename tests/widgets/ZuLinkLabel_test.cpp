// ZuLinkLabel: presets, opening the link or only raising Click, the hover look and its polling with the
// edge-inclusive cursor test, the resize rule, the pointer choice and persistence.
#include "widgets/ZuLinkLabel.h"

#include <gtest/gtest.h>

#include "ui/Form.h"
#include "ui/sim/HeadlessToolkit.h"

namespace plivant {
namespace {

class ZuLinkLabelTest : public testing::Test {
protected:
    void SetUp() override {
        form.Move(1500, 1500, 6000, 4500);  // (100, 100) pixels
        link.Move(600, 300, 1500, 300);     // (140, 120), 100 × 20 pixels
        link.onClick = [this] { ++clicks; };
        form.Show();
        ASSERT_EQ(*windowing.WindowRect(link.hwnd()), (platform::Rect{140, 120, 240, 140}));
    }

    platform::sim::SimWindowing windowing;
    platform::sim::SimShell shell;
    ui::sim::HeadlessToolkit toolkit{windowing, shell};
    ui::Form form{toolkit, "frmAbout"};
    ZuLinkLabel link{form, "ZuLinkLabel1"};
    int clicks = 0;
};

TEST_F(ZuLinkLabelTest, LinkEventPresets) {
    struct {
        int32_t event;
        const char* expected;
    } cases[] = {{1, "mailto:"}, {2, "VB Command"}, {5, "VB Command"}, {0, "http://"}, {-1, "http://"}};
    for (const auto& c : cases) {
        link.SetLinkEvent(c.event);
        EXPECT_EQ(link.LinkExecute(), c.expected) << c.event;
        EXPECT_EQ(link.LinkEvent(), c.event);
    }
}

TEST_F(ZuLinkLabelTest, ClickOpensTheTargetThroughTheShellThenRaisesClick) {
    link.SetLinkExecute("http://www.example.org/");
    shell.result = 2;  // the shell cannot open it: not reported
    link.lblLink.Click();
    ASSERT_EQ(shell.executed.size(), 1u);
    const auto& call = shell.executed[0];
    EXPECT_EQ(call.owner, form.hwnd());
    EXPECT_EQ(call.verb, "Open");
    EXPECT_EQ(call.file, "http://www.example.org/");
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.directory, "");
    EXPECT_EQ(call.show, 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ZuLinkLabelTest, CommandModeOnlyRaisesClick) {
    link.SetLinkEvent(2);
    link.lblLink.Click();
    EXPECT_TRUE(shell.executed.empty());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ZuLinkLabelTest, HoverUnderlinesAtOnceColoursAtTheNextTickAndEndsOutside) {
    link.SetMouseOverUnderlined(true);
    link.SetMouseOverForeColor(0x0000FF);
    link.SetMouseOverBackColor(0x00FFFF);
    link.SetForeColor(0x111111);
    link.SetBackColor(0x222222);
    int moves = 0;
    link.onMouseMove = [&](int16_t, int16_t, float, float) { ++moves; };
    windowing.cursor = {150, 125};
    link.lblLink.MouseMove(0, 0, 10, 5);
    EXPECT_EQ(moves, 1);
    EXPECT_TRUE(link.lblLink.Font().underline);
    EXPECT_EQ(link.lblLink.ForeColor(), 0x111111u);
    EXPECT_TRUE(link.tmrMouseOver.Armed());
    const int pumps = windowing.pumps;
    windowing.Advance(10);
    EXPECT_EQ(windowing.pumps, pumps + 1);  // pending messages run before the test
    EXPECT_EQ(link.lblLink.ForeColor(), 0x0000FFu);
    EXPECT_EQ(link.lblLink.BackColor(), 0x00FFFFu);
    windowing.cursor = {300, 300};
    windowing.Advance(10);
    EXPECT_EQ(link.lblLink.ForeColor(), 0x111111u);
    EXPECT_EQ(link.lblLink.BackColor(), 0x222222u);
    EXPECT_FALSE(link.lblLink.Font().underline);
    EXPECT_FALSE(link.tmrMouseOver.Armed());
}

TEST_F(ZuLinkLabelTest, AllFourEdgesOfTheWindowRectangleCountAsInside) {
    struct {
        platform::Point cursor;
        bool inside;
    } cases[] = {
        {{140, 120}, true},  {{240, 140}, true},  {{240, 120}, true},  {{140, 140}, true},  {{190, 130}, true},
        {{241, 130}, false}, {{139, 130}, false}, {{190, 141}, false}, {{190, 119}, false},
    };
    link.SetMouseOverForeColor(0x0000FF);
    for (const auto& c : cases) {
        windowing.cursor = {150, 125};
        link.lblLink.MouseMove(0, 0, 1, 1);
        windowing.cursor = c.cursor;
        windowing.Advance(10);
        EXPECT_EQ(link.tmrMouseOver.Armed(), c.inside) << c.cursor.x << "," << c.cursor.y;
        windowing.cursor = {0, 0};
        windowing.Advance(10);
    }
}

TEST_F(ZuLinkLabelTest, ResizeRule) {
    // Without AutoSize the label fills the control.
    link.SetCaption("www.example.org");
    EXPECT_FLOAT_EQ(link.lblLink.WidthTwips(), 1500);
    EXPECT_FLOAT_EQ(link.lblLink.HeightTwips(), 300);
    link.SetWidth(3000);
    EXPECT_FLOAT_EQ(link.lblLink.WidthTwips(), 3000);
    // With it the control takes the label's size, and alignment goes back to 0.
    link.SetAlignment(2);
    link.SetAutoSize(true);
    EXPECT_EQ(link.Alignment(), 0);
    EXPECT_FLOAT_EQ(link.WidthTwips(), link.lblLink.WidthTwips());
    EXPECT_FLOAT_EQ(link.HeightTwips(), link.lblLink.HeightTwips());
    link.SetAlignment(2);
    EXPECT_EQ(link.lblLink.Alignment(), ui::TextAlignment::Center);
    link.SetWidth(100);
    EXPECT_EQ(link.Alignment(), 0);
    EXPECT_EQ(link.lblLink.Alignment(), ui::TextAlignment::Left);
    ui::Font big = link.Font();
    big.size = 16;
    link.SetFont(big);
    EXPECT_FLOAT_EQ(link.WidthTwips(), link.lblLink.WidthTwips());
}

TEST_F(ZuLinkLabelTest, AlignmentOutsideTheRangeIsOnlyStored) {
    link.SetAlignment(1);
    link.SetAlignment(7);
    EXPECT_EQ(link.Alignment(), 7);
    EXPECT_EQ(link.lblLink.Alignment(), ui::TextAlignment::Right);
}

TEST_F(ZuLinkLabelTest, MouseIconChoosesThePointerOfLabelAndControl) {
    link.SetMouseIcon(1);
    EXPECT_EQ(link.lblLink.GetMousePointer(), ui::MousePointer::Custom);
    EXPECT_EQ(link.GetMousePointer(), ui::MousePointer::Custom);
    EXPECT_EQ(link.lblLink.MouseIcon().hotX, 6);
    EXPECT_EQ(link.lblLink.MouseIcon().hotY, 8);
    link.SetMouseIcon(0);
    EXPECT_EQ(link.lblLink.GetMousePointer(), ui::MousePointer::Default);
    link.SetMouseIcon(3);
    EXPECT_EQ(link.MouseIcon(), 3);
    EXPECT_EQ(link.GetMousePointer(), ui::MousePointer::Default);
}

TEST_F(ZuLinkLabelTest, NewInstanceAndTheMouseIconDefaultQuirk) {
    ZuLinkLabel placed(form, "ZuLinkLabel2");
    placed.InitProperties();
    EXPECT_EQ(placed.Caption(), "ZuLinkLabel2");
    EXPECT_EQ(placed.MouseIcon(), 0);
    EXPECT_EQ(placed.LinkExecute(), "http://");
    EXPECT_EQ(placed.Appearance(), 1);
    EXPECT_EQ(placed.MouseOverForeColor(), 0xFF0000u);
    ui::PropertyBag bag;
    placed.WriteProperties(bag);
    EXPECT_TRUE(bag.Contains("MouseIcon"));  // 0 differs from the stored default 1
    EXPECT_TRUE(bag.Contains("Caption"));
    EXPECT_EQ(bag.Count(), 2u);

    ZuLinkLabel stored(form, "ZuLinkLabel3");
    stored.ReadProperties(ui::PropertyBag{});
    EXPECT_EQ(stored.MouseIcon(), 1);  // a stored control without the value gets the hand
    EXPECT_EQ(stored.Caption(), "lblLink");
}

TEST_F(ZuLinkLabelTest, PersistenceRoundTripForgetsLinkEvent) {
    link.SetBackColor(0x010203);
    link.SetForeColor(0x040506);
    link.SetEnabled(false);
    ui::Font font = link.Font();
    font.name = "Tahoma";
    link.SetFont(font);
    link.SetBorderStyle(1);
    link.SetAlignment(2);
    link.SetAppearance(0);
    link.SetCaption("www.example.org");
    link.SetMouseOverBackColor(0x0A0B0C);
    link.SetMouseOverForeColor(0x0D0E0F);
    link.SetMouseOverUnderlined(true);
    link.SetLinkEvent(1);
    link.SetMouseIcon(0);
    ui::PropertyBag bag;
    link.WriteProperties(bag);
    EXPECT_EQ(bag.Count(), 13u);  // everything but AutoSize, at its default

    ZuLinkLabel loaded(form, "ZuLinkLabel4");
    loaded.SetLinkEvent(2);
    loaded.ReadProperties(bag);
    EXPECT_EQ(loaded.LinkEvent(), 0);
    EXPECT_EQ(loaded.LinkExecute(), "mailto:");
    EXPECT_EQ(loaded.Font().name, "Tahoma");
    EXPECT_EQ(loaded.Caption(), "www.example.org");
    EXPECT_EQ(loaded.MouseIcon(), 0);
    ui::PropertyBag again;
    loaded.WriteProperties(again);
    EXPECT_EQ(again.Count(), 13u);
    for (const char* name :
         {"BackColor", "ForeColor", "Enabled", "Font", "BorderStyle", "Alignment", "Appearance", "Caption",
          "MouseOverBackColor", "MouseOverForeColor", "MouseOverUnderlined", "LinkExecute", "MouseIcon"}) {
        EXPECT_TRUE(again.Contains(name)) << name;
    }
}

TEST_F(ZuLinkLabelTest, ShowingAppliesTheStoredValuesToTheLabel) {
    ui::PropertyBag bag;
    bag.Store("ForeColor", 0x00FF00);
    bag.Store("Enabled", false);
    bag.Store("Alignment", 1);
    ZuLinkLabel shown(form, "ZuLinkLabel5");
    shown.ReadProperties(bag);
    EXPECT_EQ(shown.lblLink.ForeColor(), ui::kButtonText);  // not yet given to the label
    shown.Realize();
    EXPECT_EQ(shown.lblLink.ForeColor(), 0x00FF00u);
    EXPECT_FALSE(shown.lblLink.Enabled());
    EXPECT_EQ(shown.lblLink.Alignment(), ui::TextAlignment::Right);
    EXPECT_EQ(shown.lblLink.GetMousePointer(), ui::MousePointer::Custom);
}

}  // namespace
}  // namespace plivant
