// ZuLinkLabel: presets, opening the link or only raising Click, the hover look and its polling with the
// edge-inclusive cursor test, the resize rule, the pointer choice and persistence.
#include "widgets/ZuLinkLabel.h"

#include <gtest/gtest.h>

#include "SimHost.h"

namespace plivant {
namespace {

class ZuLinkLabelTest : public test::FormTest {
protected:
    void SetUp() override {
        form.Move(1500, 1500, 6000, 4500);  // (100, 100) pixels
        link.Move(600, 300, 1500, 300);     // (140, 120), 100 × 20 pixels
        link.onClick = [this] { ++clicks; };
        form.Show();
    }

    ZuLinkLabel link{form, "ZuLinkLabel1"};
    int clicks = 0;
};

TEST_F(ZuLinkLabelTest, ClickOpensThePresetTargetThroughTheShellOrOnlyRaisesClick) {
    const std::pair<int32_t, const char*> presets[] = {
        {1, "mailto:"}, {2, "VB Command"}, {5, "VB Command"}, {0, "http://"}, {-1, "http://"}};
    for (auto [event, preset] : presets) {
        link.SetLinkEvent(event);
        EXPECT_EQ(link.LinkExecute(), preset) << event;
    }
    link.SetLinkEvent(2);
    link.lblLink.Click();  // a command only raises Click
    EXPECT_TRUE(shell.executed.empty());
    link.SetLinkEvent(0);
    link.SetLinkExecute("http://www.example.org/");
    shell.result = 2;  // the shell cannot open it: not reported
    link.lblLink.Click();
    ASSERT_EQ(shell.executed.size(), 1u);
    const auto& call = shell.executed[0];
    EXPECT_EQ(std::tuple(call.owner, call.verb, call.file, call.parameters, call.directory, call.show),
              std::tuple(form.hwnd(), std::string("Open"), std::string("http://www.example.org/"), std::string(),
                         std::string(), 1));
    EXPECT_EQ(clicks, 2);
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
    const int pumps = windowing.pumps;
    windowing.Advance(10);
    EXPECT_EQ(windowing.pumps, pumps + 1);  // pending messages run before the test
    EXPECT_EQ(std::pair(link.lblLink.ForeColor(), link.lblLink.BackColor()), std::pair(0x0000FFu, 0x00FFFFu));
    windowing.cursor = {300, 300};
    windowing.Advance(10);
    EXPECT_EQ(std::pair(link.lblLink.ForeColor(), link.lblLink.BackColor()), std::pair(0x111111u, 0x222222u));
    EXPECT_FALSE(link.lblLink.Font().underline);
    EXPECT_FALSE(link.tmrMouseOver.Armed());
}

TEST_F(ZuLinkLabelTest, AllFourEdgesOfTheWindowRectangleCountAsInside) {
    const struct {
        platform::Point cursor;
        bool inside;
    } cases[] = {
        {{140, 120}, true},  {{240, 140}, true},  {{240, 120}, true},  {{140, 140}, true},
        {{241, 130}, false}, {{139, 130}, false}, {{190, 141}, false}, {{190, 119}, false},
    };
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

TEST_F(ZuLinkLabelTest, ResizeRuleAndAlignment) {
    // Without AutoSize the label fills the control.
    link.SetCaption("www.example.org");
    link.SetWidth(3000);
    EXPECT_EQ(std::pair(link.lblLink.WidthTwips(), link.lblLink.HeightTwips()), std::pair(3000.0f, 300.0f));
    // With it the control takes the label's size, and alignment goes back to 0.
    link.SetAlignment(2);
    link.SetAutoSize(true);
    EXPECT_EQ(link.Alignment(), 0);
    EXPECT_EQ(std::pair(link.WidthTwips(), link.HeightTwips()),
              std::pair(link.lblLink.WidthTwips(), link.lblLink.HeightTwips()));
    link.SetAlignment(2);
    EXPECT_EQ(link.lblLink.Alignment(), ui::TextAlignment::Center);
    link.SetWidth(100);
    EXPECT_EQ(link.Alignment(), 0);
    EXPECT_EQ(link.lblLink.Alignment(), ui::TextAlignment::Left);
    ui::Font big = link.Font();
    big.size = 16;
    link.SetFont(big);
    EXPECT_FLOAT_EQ(link.WidthTwips(), link.lblLink.WidthTwips());
    // Outside the range it is only stored.
    link.SetAlignment(1);
    link.SetAlignment(7);
    EXPECT_EQ(link.Alignment(), 7);
    EXPECT_EQ(link.lblLink.Alignment(), ui::TextAlignment::Right);
}

TEST_F(ZuLinkLabelTest, MouseIconChoosesThePointerOfLabelAndControl) {
    link.SetMouseIcon(1);
    EXPECT_EQ(std::pair(link.lblLink.GetMousePointer(), link.GetMousePointer()),
              std::pair(ui::MousePointer::Custom, ui::MousePointer::Custom));
    EXPECT_EQ(std::pair(link.lblLink.MouseIcon().hotX, link.lblLink.MouseIcon().hotY), std::pair(6, 8));
    link.SetMouseIcon(0);
    EXPECT_EQ(link.lblLink.GetMousePointer(), ui::MousePointer::Default);
    link.SetMouseIcon(3);
    EXPECT_EQ(link.GetMousePointer(), ui::MousePointer::Default);
}

TEST_F(ZuLinkLabelTest, PersistenceForgetsLinkEventAndKeepsTheMouseIconDefaultQuirk) {
    ZuLinkLabel placed(form, "ZuLinkLabel2"), stored(form, "ZuLinkLabel3"), loaded(form, "ZuLinkLabel4");
    placed.InitProperties();
    EXPECT_EQ(placed.Caption(), "ZuLinkLabel2");
    ui::PropertyBag initial, bag, again;
    placed.WriteProperties(initial);
    EXPECT_TRUE(initial.Contains("MouseIcon"));  // 0 differs from the stored default 1
    EXPECT_EQ(initial.Count(), 2u);
    stored.ReadProperties(ui::PropertyBag{});
    EXPECT_EQ(stored.MouseIcon(), 1);  // a stored control without the value gets the hand
    EXPECT_EQ(stored.Caption(), "lblLink");

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
    link.WriteProperties(bag);
    EXPECT_EQ(bag.Count(), 13u);  // everything but AutoSize, at its default
    loaded.SetLinkEvent(2);
    loaded.ReadProperties(bag);
    EXPECT_EQ(loaded.LinkEvent(), 0);
    EXPECT_EQ(loaded.LinkExecute(), "mailto:");
    loaded.WriteProperties(again);
    EXPECT_EQ(again.Count(), 13u);
    // Showing applies the stored values to the label.
    EXPECT_EQ(loaded.lblLink.ForeColor(), ui::kButtonText);
    loaded.Realize();
    EXPECT_EQ(std::tuple(loaded.lblLink.ForeColor(), loaded.lblLink.Enabled(), loaded.lblLink.Alignment(),
                         loaded.lblLink.Font().name),
              std::tuple(0x040506u, false, ui::TextAlignment::Center, std::string("Tahoma")));
}

}  // namespace
}  // namespace plivant
