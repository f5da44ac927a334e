// The frame's layout pass, its regions and its active and inactive looks.
#include <gtest/gtest.h>

#include "frame/FrameFixture.h"
#include "art/ThemeXArt.h"
#include "platform/WinConst.h"

namespace plivant::test {
namespace {

using LayoutTest = FrameTest;

// The title bar's pieces meet without gaps across the frame's width.
void ExpectJoinedTitle(const NuvaXPForm& frame, float width) {
    EXPECT_FLOAT_EQ(frame.Title.Left(), frame.TitleLeft.Width());
    EXPECT_FLOAT_EQ(frame.Title.Left() + frame.Title.Width(), frame.TitleRight.Left());
    EXPECT_FLOAT_EQ(frame.TitleRight.Left() + frame.TitleRight.Width(), width);
}

TEST_F(LayoutTest, FourHundredByThreeHundredPixels) {
    SizePixels(400, 300);
    const auto at = [](const ui::Control& c) { return std::vector<float>{c.Left(), c.Top(), c.Width(), c.Height()}; };
    const struct {
        const ui::Control& piece;
        std::vector<float> expected;
    } pieces[] = {
        {frame.CloseButton, {373, 4.5f, 21, 21}},
        {frame.MaximizeButton, {350, 4.5f, 21, 21}},
        {frame.Minimizebutton, {327, 4.5f, 21, 21}},
        {frame.TitleIcon, {6, 7, 16, 16}},
        {frame.Left, {0, 30, 4, 266}},
        {frame.Right, {396, 30, 4, 266}},
        {frame.BottomLeft, {0, 296, 4, 4}},
        {frame.BottomRight, {396, 296, 4, 4}},
        {frame.Bottom, {4, 296, 392, 4}},
        {frame.pICmenu, {4, 30, 392, 24}},
    };
    for (const auto& p : pieces) EXPECT_EQ(at(p.piece), p.expected) << p.piece.Name();
    EXPECT_EQ((std::vector<float>{frame.Caption1.Left(), frame.Caption1.Top(), frame.Caption1.Width()}),
              (std::vector<float>{25, 7.25f, 295}));
    ExpectJoinedTitle(frame, 400);
    EXPECT_FLOAT_EQ(frame.Title.Height(), 30);
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

TEST_F(LayoutTest, ClientAreaWithAndWithoutTheMenuStripAndItsSeparators) {
    std::vector<int16_t> client;
    frame.onresize = [&](int16_t& t, int16_t& h, int16_t& w) { client = {t, h, w}; };
    SizePixels(400, 300);
    EXPECT_EQ(client, (std::vector<int16_t>{450, 4500 - 510, 6000 - 120}));
    EXPECT_FLOAT_EQ(frame.PicMain.Top(), 30);

    frame.pICmenu.SetVisible(true);
    frame.Repos();
    EXPECT_EQ(client, (std::vector<int16_t>{810, 4500 - 870, 6000 - 120}));
    EXPECT_FLOAT_EQ(frame.PicMain.Top(), 54);
    for (const ui::Line* line : {&frame.Line1, &frame.Line2}) {
        EXPECT_EQ((std::vector<float>{line->X1(), line->X2(), line->Y1()}), (std::vector<float>{0, 392 * 15, 345}));
        EXPECT_EQ(line->BorderColor(), 0xC0C0C0u);
    }
}

TEST_F(LayoutTest, MinimumSizeIsEnforcedBeforeLayout) {
    struct Case {
        float width, height, expectedWidth, expectedHeight;
    };
    for (const Case& c : {Case{1000, 300, 1695, 615}, Case{3000, 300, 3000, 615}, Case{1000, 900, 1695, 900},
                          Case{1695, 615, 1695, 615}, Case{0, 0, 1695, 615}}) {
        frame.SetSizeTwips(c.width, c.height);
        EXPECT_EQ(
            (std::vector<float>{frame.WidthTwips(), frame.HeightTwips(), frame.CloseButton.Left(), frame.Bottom.Top()}),
            (std::vector<float>{c.expectedWidth, c.expectedHeight, c.expectedWidth / 15 - 27,
                                c.expectedHeight / 15 - 4}))
            << c.width << " x " << c.height;
    }
}

TEST_F(LayoutTest, RegionUsesTheScreensTwipsPerPixelAndTheMinimumSize) {
    host->width = 6000;
    host->height = 4500;
    frame.ReTransObj(*host);
    EXPECT_EQ(HostRecord().region, RoundedTop(400, 300));

    toolkit.twipsPerPixelX = 12;
    toolkit.twipsPerPixelY = 12;
    frame.ReTransObj(*host);
    EXPECT_EQ(HostRecord().region, RoundedTop(500, 375));
    host->width = 1000;
    host->height = 300;
    frame.ReTransObj(*host);
    EXPECT_FLOAT_EQ(host->width + host->height, 1695 + 615);
    EXPECT_EQ(HostRecord().region, RoundedTop(141, 51));  // 141.25 and 51.25 pixels, rounded
}

TEST_F(LayoutTest, RegionSkipsFailingStepsAndNeedsAWindow) {
    host->height = 300;
    host->failing = {"Width"};
    frame.ReTransObj(*host);
    EXPECT_FLOAT_EQ(host->height, 615);  // the failing width test counts as passed, its assignment fails
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
    EXPECT_EQ(HostRecord().region, RoundedTop(400, 300));
    SizePixels(500, 200);
    EXPECT_EQ(HostRecord().region, RoundedTop(500, 200));
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
    EXPECT_EQ(frame.TitleRight.Picture(), ThemeXPicture(3, e));
    ExpectJoinedTitle(frame, 400);  // whatever the widths of the end pieces in this scheme and state
    for (const ControlButton* b : {&frame.Minimizebutton, &frame.MaximizeButton, &frame.CloseButton}) {
        EXPECT_EQ(b->IsActivate(), c.active) << b->Name();
        EXPECT_EQ(b->Theme(), c.scheme) << b->Name();
    }
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

TEST_F(LayoutTest, EveryPassEndsActiveAndASchemeWithoutPicturesStopsItBeforeTheClientArea) {
    SizePixels(400, 300);
    frame.SetFormActiveStyle(false);
    EXPECT_EQ(frame.MaximizeButton.Shown(), CaptionImageFor(0, 1, CaptionLook::RestingInactive));
    frame.Repos();
    EXPECT_TRUE(frame.CloseButton.IsActivate());
    EXPECT_EQ(frame.MaximizeButton.Shown(), CaptionImageFor(0, 1, CaptionLook::RestingActive));

    int raised = 0;
    frame.onresize = [&](int16_t&, int16_t&, int16_t&) { ++raised; };
    frame.SetColorScheme(3);
    EXPECT_FALSE(frame.Repos());
    EXPECT_FALSE(frame.SetFormActiveStyle(true));
    EXPECT_EQ(raised, 0);
    EXPECT_EQ(frame.Title.Picture(), ThemeXPicture(1, 0));  // unchanged
}

}  // namespace
}  // namespace plivant::test
