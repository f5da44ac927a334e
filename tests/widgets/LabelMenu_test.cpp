// LabelMenu: the plain and lit states and every way between them, the size rule, events, persistence.
#include "widgets/LabelMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/sim/HeadlessToolkit.h"

namespace plivant {
namespace {

class LabelMenuTest : public testing::Test {
protected:
    void SetUp() override {
        form.Move(0, 0, 6000, 3000);
        label.Move(60, 45, label.Width(), label.Height());  // at (4, 3) pixels
        form.Show();
        const auto r = *windowing.WindowRect(label.hwnd());
        inside = {r.left + 1, r.top + 1};
        onLabel = {r.left + 6, r.top + 3};  // over the inner label, which has no window of its own
    }
    void Expect(bool lit, ui::OleColor back, int16_t border) {
        EXPECT_EQ(label.Lit(), lit);
        EXPECT_EQ(label.BackColor(), back);
        EXPECT_EQ(label.BorderStyle(), border);
    }

    platform::sim::SimWindowing windowing;
    platform::sim::SimShell shell;
    ui::sim::HeadlessToolkit toolkit{windowing, shell};
    ui::Form form{toolkit, "frmHost"};
    LabelMenu label{form, "LbMenu", 1};
    platform::Point inside, onLabel;
};

TEST_F(LabelMenuTest, EachInputLightsItExceptRelease) {
    struct Case {
        const char* name;
        std::function<void(LabelMenu&)> input;
        bool lights;
    };
    const Case cases[] = {
        {"click on control", [](LabelMenu& l) { l.Click(); }, true},
        {"press on control", [](LabelMenu& l) { l.MouseDown(1, 0, 1, 1); }, true},
        {"move on control", [](LabelMenu& l) { l.MouseMove(0, 0, 1, 1); }, true},
        {"release on control", [](LabelMenu& l) { l.MouseUp(1, 0, 1, 1); }, false},
        {"click on label", [](LabelMenu& l) { l.Label1.Click(); }, true},
        {"press on label", [](LabelMenu& l) { l.Label1.MouseDown(2, 0, 1, 1); }, true},
        {"move on label", [](LabelMenu& l) { l.Label1.MouseMove(0, 0, 1, 1); }, true},
        {"release on label", [](LabelMenu& l) { l.Label1.MouseUp(1, 0, 1, 1); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        windowing.cursor = inside;
        c.input(label);
        EXPECT_EQ(label.Lit(), c.lights);
        EXPECT_EQ(windowing.ActiveTimers(), c.lights ? 1 : 0);
        windowing.cursor = {500, 500};
        windowing.Advance(10);
        Expect(false, ui::kButtonFace, 0);
    }
}

TEST_F(LabelMenuTest, StaysLitWhileTheCursorIsOverTheControlOrItsLabel) {
    windowing.cursor = onLabel;
    label.Label1.MouseMove(0, 0, 1, 1);
    Expect(true, LabelMenu::kHighlight, 1);
    EXPECT_EQ(label.SavedBackColor(), ui::kButtonFace);
    windowing.Advance(50);
    EXPECT_TRUE(label.Lit());
    windowing.cursor = inside;
    windowing.Advance(50);
    EXPECT_TRUE(label.Lit());
    windowing.cursor = {500, 500};
    windowing.Advance(9);
    EXPECT_TRUE(label.Lit());
    windowing.Advance(1);
    Expect(false, ui::kButtonFace, 0);
    EXPECT_EQ(windowing.ActiveTimers(), 0);
}

TEST_F(LabelMenuTest, RepeatedMovesMakeNoSecondTimerAndKeepTheSavedColour) {
    windowing.cursor = inside;
    for (int i = 0; i < 5; ++i) label.Label1.MouseMove(0, 0, static_cast<float>(i), 1);
    EXPECT_EQ(windowing.ActiveTimers(), 1);
    EXPECT_EQ(label.SavedBackColor(), ui::kButtonFace);
}

TEST_F(LabelMenuTest, BackColorSetWhileLit) {
    windowing.cursor = inside;
    label.MouseMove(0, 0, 1, 1);
    label.SetBackColor(0x123456);
    // The cursor moves over it again: the new colour is the one to restore, the highlight returns.
    label.MouseMove(0, 0, 2, 2);
    Expect(true, LabelMenu::kHighlight, 1);
    EXPECT_EQ(label.SavedBackColor(), 0x123456u);
    windowing.cursor = {500, 500};
    windowing.Advance(10);
    Expect(false, 0x123456, 0);

    // Without another move, the colour from before the highlight comes back.
    windowing.cursor = inside;
    label.MouseMove(0, 0, 1, 1);
    label.SetBackColor(0x00FF00);
    windowing.cursor = {500, 500};
    windowing.Advance(10);
    Expect(false, 0x123456, 0);
}

TEST_F(LabelMenuTest, EventsPassTheirArgumentsThrough) {
    std::vector<std::string> seen;
    label.onMouseDown = [&](int16_t b, int16_t s, float x, float y) {
        seen.push_back("down " + std::to_string(b) + " " + std::to_string(s) + " " + std::to_string(int(x)) + " " +
                       std::to_string(int(y)));
    };
    label.onMouseUp = [&](int16_t b, int16_t, float, float) { seen.push_back("up " + std::to_string(b)); };
    label.onClick = [&] { seen.push_back("click"); };
    label.Label1.MouseDown(1, 2, 30, 40);
    label.Label1.MouseUp(1, 0, 30, 40);
    label.Label1.Click();
    EXPECT_EQ(seen, (std::vector<std::string>{"down 1 2 30 40", "up 1", "click"}));
}

TEST_F(LabelMenuTest, WidthFollowsTheCaptionAndHeightStays270) {
    label.SetCaption("&File");
    const float narrow = label.WidthTwips();
    EXPECT_FLOAT_EQ(narrow, label.Label1.WidthTwips() + 210);
    label.SetCaption("&Much longer");
    EXPECT_GT(label.WidthTwips(), narrow);
    EXPECT_FLOAT_EQ(label.WidthTwips(), label.Label1.WidthTwips() + 210);
    label.SetHeight(1000);
    label.SetWidth(5);
    EXPECT_FLOAT_EQ(label.HeightTwips(), 270);
    EXPECT_FLOAT_EQ(label.WidthTwips(), label.Label1.WidthTwips() + 210);
    EXPECT_FLOAT_EQ(label.Label1.Left(), 75);
    EXPECT_FLOAT_EQ(label.Label1.Top(), 30);
}

TEST_F(LabelMenuTest, PersistenceRoundTripWithDefaults) {
    ui::PropertyBag bag;
    label.WriteProperties(bag);
    EXPECT_EQ(bag.Count(), 0u);
    EXPECT_EQ(label.Caption(), "&System");

    label.SetBackColor(0xC0FFEE);
    label.SetCaption("&Options");
    label.SetEnabled(false);
    label.SetBorderStyle(1);
    EXPECT_EQ(label.ChangedProperties(), (std::vector<std::string>{"BackColor", "Caption", "Enabled", "BorderStyle"}));
    label.WriteProperties(bag);
    EXPECT_EQ(bag.Count(), 4u);

    LabelMenu loaded(form, "LbMenu", 2);
    loaded.ReadProperties(bag);
    EXPECT_EQ(loaded.BackColor(), 0xC0FFEEu);
    EXPECT_EQ(loaded.Caption(), "&Options");
    EXPECT_FALSE(loaded.Enabled());
    EXPECT_EQ(loaded.BorderStyle(), 1);
    EXPECT_FLOAT_EQ(loaded.WidthTwips(), label.WidthTwips());
}

}  // namespace
}  // namespace plivant
