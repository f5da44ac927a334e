// The frame's layout pass, its regions and its active and inactive looks.
#include <gtest/gtest.h>

#include "frame/FrameFixture.h"
#include "art/ThemeXArt.h"
#include "platform/WinConst.h"

namespace plivant::test {
namespace {

using LayoutTest = FrameTest;

TEST_F(LayoutTest, FourHundredByThreeHundredPixels) {
    SizePixels(400, 300);
    EXPECT_FLOAT_EQ(frame.CloseButton.Left(), 373);
    EXPECT_FLOAT_EQ(frame.MaximizeButton.Left(), 350);
    EXPECT_FLOAT_EQ(frame.Minimizebutton.Left(), 327);
    for (const ControlButton* b : {&frame.CloseButton, &frame.MaximizeButton, &frame.Minimizebutton}) {
        EXPECT_FLOAT_EQ(b->Top(), 4.5f) << b->Name();
        EXPECT_FLOAT_EQ(b->Width(), 21) << b->Name();
    }
    EXPECT_FLOAT_EQ(frame.TitleIcon.Left(), 6);
    EXPECT_FLOAT_EQ(frame.TitleIcon.Top(), 7);
    EXPECT_FLOAT_EQ(frame.Caption1.Left(), 25);
    EXPECT_FLOAT_EQ(frame.Caption1.Width(), 295);
    EXPECT_FLOAT_EQ(frame.Caption1.Top(), 7.25f);

    // Pieces meet without gaps: title across the width, edges from the title down to the corners.
    EXPECT_FLOAT_EQ(frame.TitleLeft.Left(), 0);
    EXPECT_FLOAT_EQ(frame.Title.Left(), frame.TitleLeft.Width());
    EXPECT_FLOAT_EQ(frame.TitleRight.Left() + frame.TitleRight.Width(), 400);
    EXPECT_FLOAT_EQ(frame.Title.Left() + frame.Title.Width(), frame.TitleRight.Left());
    for (const ui::Image* piece : {&frame.TitleLeft, &frame.Title, &frame.TitleRight}) {
        EXPECT_FLOAT_EQ(piece->Height(), 30) << piece->Name();
    }
    EXPECT_FLOAT_EQ(frame.Left.Top(), 30);
    EXPECT_FLOAT_EQ(frame.Left.Height(), 266);
    EXPECT_FLOAT_EQ(frame.Right.Left(), 396);
    EXPECT_FLOAT_EQ(frame.Right.Height(), 266);
    EXPECT_FLOAT_EQ(frame.BottomLeft.Top(), 296);
    EXPECT_FLOAT_EQ(frame.BottomRight.Left(), 396);
    EXPECT_FLOAT_EQ(frame.Bottom.Left(), 4);
    EXPECT_FLOAT_EQ(frame.Bottom.Width(), 392);
    EXPECT_FLOAT_EQ(frame.pICmenu.Left(), 4);
    EXPECT_FLOAT_EQ(frame.pICmenu.Top(), 30);
    EXPECT_FLOAT_EQ(frame.pICmenu.Width(), 392);
}

struct CaptionCase {
    bool minimise, maximise, icon;
    float left, width;
};

class CaptionWidthTest : public FrameTest, public testing::WithParamInterface<CaptionCase> {};

TEST_P(CaptionWidthTest, RulesInOrder) {
    const CaptionCase& c = GetParam();
    frame.SetShowMinimize(c.minimise);
    frame.SetShowMaximize(c.maximise);
    frame.SetShowIcon(c.icon);
    SizePixels(400, 300);
    EXPECT_FLOAT_EQ(frame.Caption1.Left(), c.left);
    EXPECT_FLOAT_EQ(frame.Caption1.Width(), c.width);
}

INSTANTIATE_TEST_SUITE_P(HiddenButtons, CaptionWidthTest,
                         testing::Values(CaptionCase{true, true, true, 25, 295},      // (a)
                                         CaptionCase{true, true, false, 6.5f, 295},   // (a) keeps the icon's place
                                         CaptionCase{true, false, true, 25, 295},     // (a): only the min counts
                                         CaptionCase{false, true, true, 25, 318},     // (b)
                                         CaptionCase{false, true, false, 6.5f, 336},  // (c)
                                         CaptionCase{false, false, true, 25, 341},    // (d)
                                         CaptionCase{false, false, false, 6.5f, 359}  // (e)
                                         ));

TEST_F(LayoutTest, ClientAreaWithAndWithoutTheMenuStrip) {
    int16_t top = 0, height = 0, width = 0;
    int raised = 0;
    frame.onresize = [&](int16_t& t, int16_t& h, int16_t& w) {
        top = t;
        height = h;
        width = w;
        ++raised;
    };
    SizePixels(400, 300);
    EXPECT_GE(raised, 1);
    EXPECT_EQ(top, 450);
    EXPECT_EQ(height, 4500 - 510);
    EXPECT_EQ(width, 6000 - 120);
    EXPECT_FLOAT_EQ(frame.PicMain.Top(), 30);

    frame.pICmenu.SetVisible(true);
    frame.Repos();
    EXPECT_FLOAT_EQ(frame.pICmenu.Height(), 24);
    EXPECT_EQ(top, 810);
    EXPECT_EQ(height, 4500 - 870);
    EXPECT_EQ(width, 6000 - 120);
    EXPECT_FLOAT_EQ(frame.PicMain.Top(), 54);
}

TEST_F(LayoutTest, MinimumSizeIsEnforcedBeforeLayout) {
    struct Case {
        float width, height, expectedWidth, expectedHeight;
    };
    for (const Case& c : {Case{1000, 300, 1695, 615}, Case{3000, 300, 3000, 615}, Case{1000, 900, 1695, 900},
                          Case{1695, 615, 1695, 615}, Case{0, 0, 1695, 615}}) {
        frame.SetSizeTwips(c.width, c.height);
        EXPECT_FLOAT_EQ(frame.WidthTwips(), c.expectedWidth) << c.width << " x " << c.height;
        EXPECT_FLOAT_EQ(frame.HeightTwips(), c.expectedHeight) << c.width << " x " << c.height;
        EXPECT_FLOAT_EQ(frame.CloseButton.Left(), c.expectedWidth / 15 - 27);
        EXPECT_FLOAT_EQ(frame.Bottom.Top(), c.expectedHeight / 15 - 4);
    }
}

platform::Region RoundedTop(int32_t w, int32_t h) {
    return {{5, 0, w - 5, 1}, {3, 1, w - 3, 2}, {2, 2, w - 2, 3}, {1, 3, w - 1, 4}, {1, 4, w - 1, 5}, {0, 5, w, h}};
}

TEST_F(LayoutTest, RegionCutsTheTopCornersRowByRow) {
    host->width = 6000;
    host->height = 4500;
    frame.ReTransObj(*host);
    ASSERT_TRUE(HostRecord().region.has_value());
    EXPECT_EQ(*HostRecord().region, RoundedTop(400, 300));
}

TEST_F(LayoutTest, RegionUsesTheScreensTwipsPerPixelAndTheMinimumSize) {
    toolkit.twipsPerPixelX = 12;
    toolkit.twipsPerPixelY = 12;
    host->width = 6000;
    host->height = 4500;
    frame.ReTransObj(*host);
    EXPECT_EQ(*HostRecord().region, RoundedTop(500, 375));

    host->width = 1000;
    host->height = 300;
    frame.ReTransObj(*host);
    EXPECT_FLOAT_EQ(host->width, 1695);
    EXPECT_FLOAT_EQ(host->height, 615);
    EXPECT_EQ(*HostRecord().region, RoundedTop(141, 51));  // 141.25 and 51.25 pixels, rounded
}

TEST_F(LayoutTest, RegionSkipsFailingStepsAndNeedsAWindow) {
    host->height = 300;
    host->failing = {"Width"};
    frame.ReTransObj(*host);
    EXPECT_FLOAT_EQ(host->height, 615);  // the failing width test counts as passed, its assignment fails
    ASSERT_TRUE(HostRecord().region.has_value());
    EXPECT_EQ(HostRecord().region->back(), (platform::Rect{0, 5, 0, 41}));

    const auto before = HostRecord().region;
    host->failing = {"hwnd"};
    host->width = 6000;
    frame.ReTransObj(*host);
    EXPECT_EQ(HostRecord().region, before);
}

TEST_F(LayoutTest, TransparentEdgesShapeTheContainerOnEveryPass) {
    SizePixels(400, 300);
    EXPECT_FALSE(HostRecord().region.has_value());
    frame.TransparentEdges();
    EXPECT_TRUE(frame.TransparentEdgesSet());
    EXPECT_EQ(*HostRecord().region, RoundedTop(400, 300));
    SizePixels(500, 200);
    EXPECT_EQ(*HostRecord().region, RoundedTop(500, 200));
}

struct LookCase {
    int32_t scheme;
    bool active;
    ui::OleColor caption;
    CaptionLook buttons;
};

class ActiveStyleTest : public FrameTest, public testing::WithParamInterface<LookCase> {};

TEST_P(ActiveStyleTest, CaptionColourPicturesAndButtons) {
    const LookCase& c = GetParam();
    SizePixels(400, 300);
    frame.SetColorScheme(c.scheme);
    frame.SetEnableMaximize(false);
    ASSERT_TRUE(frame.SetFormActiveStyle(c.active));
    const int e = 2 * c.scheme + (c.active ? 0 : 1);
    EXPECT_EQ(frame.Caption1.ForeColor(), c.caption);
    EXPECT_EQ(frame.Left.Picture(), ThemeXPicture(4, e));
    EXPECT_EQ(frame.TitleLeft.Picture(), ThemeXPicture(2, e));
    EXPECT_EQ(frame.Title.Picture(), ThemeXPicture(1, e));
    EXPECT_EQ(frame.TitleRight.Picture(), ThemeXPicture(3, e));
    EXPECT_EQ(frame.BottomRight.Picture(), ThemeXPicture(7, e));
    // The bar stays joined whatever the widths of the end pieces in this scheme and state.
    EXPECT_FLOAT_EQ(frame.Title.Left(), frame.TitleLeft.Width());
    EXPECT_FLOAT_EQ(frame.TitleRight.Left() + frame.TitleRight.Width(), 400);
    EXPECT_FLOAT_EQ(frame.Title.Left() + frame.Title.Width(), frame.TitleRight.Left());
    for (const ControlButton* b : {&frame.Minimizebutton, &frame.MaximizeButton, &frame.CloseButton}) {
        EXPECT_EQ(b->IsActivate(), c.active) << b->Name();
        EXPECT_EQ(b->Theme(), c.scheme) << b->Name();
    }
    EXPECT_EQ(frame.Minimizebutton.Shown(), CaptionImageFor(c.scheme, 0, c.buttons));
    EXPECT_EQ(frame.CloseButton.Shown(), CaptionImageFor(c.scheme, 2, c.buttons));
    EXPECT_EQ(frame.MaximizeButton.Shown(), DisabledCaptionImage(c.scheme));
}

INSTANTIATE_TEST_SUITE_P(Schemes, ActiveStyleTest,
                         testing::Values(LookCase{0, true, 0xFFFFFF, CaptionLook::RestingActive},
                                         LookCase{0, false, 0xFFFFFF, CaptionLook::RestingInactive},
                                         LookCase{1, true, 0xFFFFFF, CaptionLook::RestingActive},
                                         LookCase{1, false, 0xFFFFFF, CaptionLook::RestingInactive},
                                         LookCase{2, true, 0x000000, CaptionLook::RestingActive},
                                         LookCase{2, false, 0xC0C0C0, CaptionLook::RestingInactive}));

TEST_F(LayoutTest, EveryPassEndsActiveAndAnEnabledMaximiseButtonFollowsTheState) {
    SizePixels(400, 300);
    frame.SetFormActiveStyle(false);
    EXPECT_EQ(frame.MaximizeButton.Shown(), CaptionImageFor(0, 1, CaptionLook::RestingInactive));
    frame.Repos();
    EXPECT_TRUE(frame.CloseButton.IsActivate());
    EXPECT_EQ(frame.MaximizeButton.Shown(), CaptionImageFor(0, 1, CaptionLook::RestingActive));
    EXPECT_EQ(frame.Title.Picture(), ThemeXPicture(1, 0));
}

TEST_F(LayoutTest, ASchemeWithoutPicturesStopsThePassBeforeTheClientArea) {
    SizePixels(400, 300);
    int raised = 0;
    frame.onresize = [&](int16_t&, int16_t&, int16_t&) { ++raised; };
    frame.SetColorScheme(3);
    EXPECT_FALSE(frame.Repos());
    EXPECT_FALSE(frame.SetFormActiveStyle(true));
    EXPECT_EQ(raised, 0);
    EXPECT_EQ(frame.Title.Picture(), ThemeXPicture(1, 0));  // unchanged
}

TEST_F(LayoutTest, SeparatorsStretchToTheStrip) {
    SizePixels(400, 300);
    for (const ui::Line* line : {&frame.Line1, &frame.Line2}) {
        EXPECT_FLOAT_EQ(line->X1(), 0);
        EXPECT_FLOAT_EQ(line->X2(), 392 * 15);
        EXPECT_FLOAT_EQ(line->Y1(), 345);
        EXPECT_EQ(line->BorderColor(), 0xC0C0C0u);
    }
    SizePixels(200, 300);
    EXPECT_FLOAT_EQ(frame.Line1.X2(), 192 * 15);
}

}  // namespace
}  // namespace plivant::test
