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

// Each link event has its preset target; a click opens the target through the shell (a failure is not reported)
// or, for a command, only raises Click. The mouse icon chooses the pointer of label and control.
TEST_F(ZuLinkLabelTest, ClickOpensThePresetTargetThroughTheShellOrOnlyRaisesClickAndTheMouseIconIsThePointer) {
    for (auto [event, preset] :
         {std::pair{1, "mailto:"}, {2, "VB Command"}, {5, "VB Command"}, {0, "http://"}, {-1, "http://"}}) {
        link.SetLinkEvent(event);
        EXPECT_EQ(link.LinkExecute(), preset) << event;
    }
    link.SetLinkEvent(2);
    link.lblLink.Click();
    EXPECT_TRUE(shell.executed.empty());
    link.SetLinkEvent(0);
    link.SetLinkExecute("http://www.example.org/");
    shell.result = 2;
    link.lblLink.Click();
    ASSERT_EQ(shell.executed.size(), 1u);
    const auto& call = shell.executed[0];
    EXPECT_EQ(std::tuple(call.owner, call.verb, call.file, call.parameters + call.directory, call.show, clicks),
              std::tuple(form.hwnd(), "Open", "http://www.example.org/", "", 1, 2));
    link.SetMouseIcon(1);
    EXPECT_EQ(std::tuple(link.lblLink.GetMousePointer(), link.GetMousePointer(), link.lblLink.MouseIcon().hotX,
                         link.lblLink.MouseIcon().hotY),
              std::tuple(ui::MousePointer::Custom, ui::MousePointer::Custom, 6, 8));
    link.SetMouseIcon(0);
    EXPECT_EQ(link.lblLink.GetMousePointer(), ui::MousePointer::Default);
    link.SetMouseIcon(3);
    EXPECT_EQ(link.GetMousePointer(), ui::MousePointer::Default);
}

// The hover underlines at once, colours at the next tick (pending messages run first) and ends outside; all four
// edges of the window rectangle count as inside.
TEST_F(ZuLinkLabelTest, HoverUnderlinesAtOnceColoursAtTheNextTickAndEndsOutsideTheEdges) {
    link.SetMouseOverUnderlined(true);
    link.SetMouseOverForeColor(0x0000FF);
    link.SetMouseOverBackColor(0x00FFFF);
    link.SetForeColor(0x111111);
    link.SetBackColor(0x222222);
    int moves = 0;
    link.onMouseMove = [&](int16_t, int16_t, float, float) { ++moves; };
    windowing.cursor = {150, 125};
    link.lblLink.MouseMove(0, 0, 10, 5);
    EXPECT_EQ(std::tuple(moves, link.lblLink.Font().underline, link.lblLink.ForeColor()),
              std::tuple(1, true, 0x111111u));
    const int pumps = windowing.pumps;
    windowing.Advance(10);
    EXPECT_EQ(std::tuple(windowing.pumps - pumps, link.lblLink.ForeColor(), link.lblLink.BackColor()),
              std::tuple(1, 0x0000FFu, 0x00FFFFu));
    windowing.cursor = {300, 300};
    windowing.Advance(10);
    EXPECT_EQ(std::tuple(link.lblLink.ForeColor(), link.lblLink.BackColor(), link.lblLink.Font().underline,
                         link.tmrMouseOver.Armed()),
              std::tuple(0x111111u, 0x222222u, false, false));
    for (auto [x, y, inside] : {std::tuple{140, 120, true},
                                {240, 140, true},
                                {240, 120, true},
                                {140, 140, true},
                                {241, 130, false},
                                {139, 130, false},
                                {190, 141, false},
                                {190, 119, false}}) {
        windowing.cursor = {150, 125};
        link.lblLink.MouseMove(0, 0, 1, 1);
        windowing.cursor = {x, y};
        windowing.Advance(10);
        EXPECT_EQ(link.tmrMouseOver.Armed(), inside) << x << "," << y;
        windowing.cursor = {0, 0};
        windowing.Advance(10);
    }
}

// Without AutoSize the label fills the control; with it the control takes the label's size and alignment goes back
// to 0; outside the range alignment is only stored.
TEST_F(ZuLinkLabelTest, ResizeRuleAndAlignment) {
    link.SetCaption("www.example.org");
    link.SetWidth(3000);
    EXPECT_EQ(std::tuple(link.lblLink.WidthTwips(), link.lblLink.HeightTwips()), std::tuple(3000.0f, 300.0f));
    link.SetAlignment(2);
    link.SetAutoSize(true);
    EXPECT_EQ(std::tuple(link.Alignment(), link.WidthTwips(), link.HeightTwips()),
              std::tuple(0, link.lblLink.WidthTwips(), link.lblLink.HeightTwips()));
    link.SetAlignment(2);
    EXPECT_EQ(link.lblLink.Alignment(), ui::TextAlignment::Center);
    link.SetWidth(100);
    EXPECT_EQ(std::tuple(link.Alignment(), link.lblLink.Alignment()), std::tuple(0, ui::TextAlignment::Left));
    ui::Font big = link.Font();
    big.size = 16;
    link.SetFont(big);
    EXPECT_FLOAT_EQ(link.WidthTwips(), link.lblLink.WidthTwips());
    link.SetAlignment(1);
    link.SetAlignment(7);
    EXPECT_EQ(std::tuple(link.Alignment(), link.lblLink.Alignment()), std::tuple(7, ui::TextAlignment::Right));
}

// Persistence forgets LinkEvent and keeps the MouseIcon default quirk: 0 differs from the stored default 1, and a
// stored control without the value gets the hand. Showing applies the stored values to the label.
TEST_F(ZuLinkLabelTest, PersistenceForgetsLinkEventAndKeepsTheMouseIconDefaultQuirk) {
    ZuLinkLabel placed(form, "ZuLinkLabel2"), stored(form, "ZuLinkLabel3"), loaded(form, "ZuLinkLabel4");
    placed.InitProperties();
    ui::PropertyBag initial, bag, again;
    placed.WriteProperties(initial);
    stored.ReadProperties(ui::PropertyBag{});
    EXPECT_EQ(std::tuple(placed.Caption(), initial.Contains("MouseIcon"), initial.Count(), stored.MouseIcon(),
                         stored.Caption()),
              std::tuple("ZuLinkLabel2", true, 2u, 1, "lblLink"));
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
    loaded.SetLinkEvent(2);
    loaded.ReadProperties(bag);
    loaded.WriteProperties(again);
    EXPECT_EQ(
        std::tuple(bag.Count(), again.Count(), loaded.LinkEvent(), loaded.LinkExecute(), loaded.lblLink.ForeColor()),
        std::tuple(13u, 13u, 0, "mailto:", ui::kButtonText));  // everything but AutoSize, at its default
    loaded.Realize();
    EXPECT_EQ(std::tuple(loaded.lblLink.ForeColor(), loaded.lblLink.Enabled(), loaded.lblLink.Alignment(),
                         loaded.lblLink.Font().name),
              std::tuple(0x040506u, false, ui::TextAlignment::Center, "Tahoma"));
}

}  // namespace
}  // namespace plivant
