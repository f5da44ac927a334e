// LabelMenu: the plain and lit states and every way between them, the size rule, events, persistence.
#include "widgets/LabelMenu.h"

#include <gtest/gtest.h>

#include "SimHost.h"

namespace plivant {
namespace {

class LabelMenuTest : public test::FormTest {
protected:
    void SetUp() override {
        form.Move(0, 0, 6000, 3000);
        label.Move(60, 45, label.Width(), label.Height());  // at (4, 3) pixels
        form.Show();
        const auto r = *windowing.WindowRect(label.hwnd());
        inside = {r.left + 1, r.top + 1};
        onLabel = {r.left + 6, r.top + 3};  // over the inner label, which has no window of its own
    }
    // Lit, back colour and border of the control.
    std::tuple<bool, ui::OleColor, int16_t> State() const {
        return {label.Lit(), label.BackColor(), label.BorderStyle()};
    }
    // The cursor leaves and the polling timer sees it.
    void Leave() {
        windowing.cursor = {500, 500};
        windowing.Advance(10);
    }

    LabelMenu label{form, "LbMenu", 1};
    platform::Point inside, onLabel;
    const std::tuple<bool, ui::OleColor, int16_t> kPlain{false, ui::kButtonFace, 0},
        kLit{true, LabelMenu::kHighlight, 1};
};

TEST_F(LabelMenuTest, EachInputLightsItExceptReleaseAndItStaysLitWhileTheCursorIsOverIt) {
    const std::function<void(LabelMenu&)> lighting[] = {[](LabelMenu& l) { l.Click(); },
                                                        [](LabelMenu& l) { l.MouseDown(1, 0, 1, 1); },
                                                        [](LabelMenu& l) { l.MouseMove(0, 0, 1, 1); },
                                                        [](LabelMenu& l) { l.Label1.Click(); },
                                                        [](LabelMenu& l) { l.Label1.MouseDown(2, 0, 1, 1); },
                                                        [](LabelMenu& l) { l.Label1.MouseMove(0, 0, 1, 1); }};
    for (const auto& input : lighting) {
        windowing.cursor = inside;
        input(label);
        input(label);  // no second timer
        EXPECT_EQ(State(), kLit);
        EXPECT_EQ(windowing.ActiveTimers(), 1);
        Leave();
        EXPECT_EQ(State(), kPlain);
    }
    for (auto* release : {static_cast<ui::Control*>(&label), static_cast<ui::Control*>(&label.Label1)}) {
        release->MouseUp(1, 0, 1, 1);
        EXPECT_EQ(State(), kPlain);
    }
    windowing.cursor = onLabel;
    label.Label1.MouseMove(0, 0, 1, 1);
    windowing.Advance(50);
    windowing.cursor = inside;
    windowing.Advance(50);
    EXPECT_EQ(State(), kLit);
    windowing.cursor = {500, 500};
    windowing.Advance(9);
    EXPECT_EQ(State(), kLit);
    windowing.Advance(1);
    EXPECT_EQ(State(), kPlain);
    EXPECT_EQ(windowing.ActiveTimers(), 0);
}

TEST_F(LabelMenuTest, BackColorSetWhileLit) {
    windowing.cursor = inside;
    label.MouseMove(0, 0, 1, 1);
    label.SetBackColor(0x123456);
    // The cursor moves over it again: the new colour is the one to restore, the highlight returns.
    label.MouseMove(0, 0, 2, 2);
    EXPECT_EQ(State(), kLit);
    EXPECT_EQ(label.SavedBackColor(), 0x123456u);
    Leave();
    EXPECT_EQ(State(), std::tuple(false, 0x123456u, int16_t{0}));
    // Without another move, the colour from before the highlight comes back.
    windowing.cursor = inside;
    label.MouseMove(0, 0, 1, 1);
    label.SetBackColor(0x00FF00);
    Leave();
    EXPECT_EQ(State(), std::tuple(false, 0x123456u, int16_t{0}));
}

TEST_F(LabelMenuTest, EventsPassTheirArgumentsThrough) {
    std::vector<std::string> seen;
    label.onMouseDown = [&](int16_t b, int16_t s, float x, float y) {
        seen.push_back("down " + std::to_string(b) + std::to_string(s) + std::to_string(int(x + y)));
    };
    label.onMouseUp = [&](int16_t b, int16_t, float, float) { seen.push_back("up " + std::to_string(b)); };
    label.onClick = [&] { seen.push_back("click"); };
    label.Label1.MouseDown(1, 2, 30, 40);
    label.Label1.MouseUp(1, 0, 30, 40);
    label.Label1.Click();
    EXPECT_EQ(seen, (std::vector<std::string>{"down 1270", "up 1", "click"}));
}

TEST_F(LabelMenuTest, WidthFollowsTheCaptionHeightStays270AndPersistenceKeepsNonDefaults) {
    ui::PropertyBag bag;
    label.WriteProperties(bag);
    EXPECT_EQ(bag.Count(), 0u);
    EXPECT_EQ(label.Caption(), "&System");
    label.SetCaption("&File");
    const float narrow = label.WidthTwips();
    label.SetCaption("&Much longer");
    EXPECT_GT(label.WidthTwips(), narrow);
    label.SetHeight(1000);
    label.SetWidth(5);
    EXPECT_EQ(std::tuple(label.WidthTwips() - label.Label1.WidthTwips(), label.HeightTwips(), label.Label1.Left(),
                         label.Label1.Top()),
              std::tuple(210.0f, 270.0f, 75.0f, 30.0f));

    label.SetBackColor(0xC0FFEE);
    label.SetCaption("&Options");
    label.SetEnabled(false);
    label.SetBorderStyle(1);
    EXPECT_EQ(label.ChangedProperties(),
              (std::vector<std::string>{"Caption", "Caption", "BackColor", "Caption", "Enabled", "BorderStyle"}));
    label.WriteProperties(bag);
    EXPECT_EQ(bag.Count(), 4u);
    LabelMenu loaded(form, "LbMenu", 2);
    loaded.ReadProperties(bag);
    EXPECT_EQ(
        std::tuple(loaded.BackColor(), loaded.Caption(), loaded.Enabled(), loaded.BorderStyle(), loaded.WidthTwips()),
        std::tuple(0xC0FFEEu, std::string("&Options"), false, int16_t{1}, label.WidthTwips()));
}

}  // namespace
}  // namespace plivant
