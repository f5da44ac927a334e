// The frame's layout pass, its regions and its active and inactive looks.
#include <gtest/gtest.h>

#include <array>

#include "art/ThemeXArt.h"
#include "frame/FrameFixture.h"

namespace plivant::test {
namespace {

using LayoutTest = FrameTest;
using Floats = std::vector<float>;

Floats At(const ui::Control& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

// The title bar's pieces meet without gaps across the frame's width.
void ExpectJoinedTitle(const NuvaXPForm& frame, float width) {
    EXPECT_EQ((Floats{frame.Title.Left(), frame.Title.Left() + frame.Title.Width(),
                      frame.TitleRight.Left() + frame.TitleRight.Width()}),
              (Floats{frame.TitleLeft.Width(), frame.TitleRight.Left(), width}));
}

TEST_F(LayoutTest, FourHundredByThreeHundredPixelsAndTheCaptionWithHiddenButtons) {
    SizePixels(400, 300);
    const struct {
        const ui::Control* piece;
        float left, top, width, height;
    } pieces[] = {{&frame.CloseButton, 373, 4.5f, 21, 21},
                  {&frame.MaximizeButton, 350, 4.5f, 21, 21},
                  {&frame.Minimizebutton, 327, 4.5f, 21, 21},
                  {&frame.TitleIcon, 6, 7, 16, 16},
                  {&frame.Left, 0, 30, 4, 266},
                  {&frame.Right, 396, 30, 4, 266},
                  {&frame.BottomLeft, 0, 296, 4, 4},
                  {&frame.BottomRight, 396, 296, 4, 4},
                  {&frame.Bottom, 4, 296, 392, 4},
                  {&frame.pICmenu, 4, 30, 392, 24}};
    for (const auto& p : pieces) EXPECT_EQ(At(*p.piece), (Floats{p.left, p.top, p.width, p.height})) << p.piece->Name();
    EXPECT_EQ((Floats{frame.Caption1.Left(), frame.Caption1.Top(), frame.Caption1.Width()}), (Floats{25, 7.25f, 295}));
    ExpectJoinedTitle(frame, 400);
    // Minimise, maximise and icon shown; the caption's left and width, by the rules in order.
    const std::tuple<bool, bool, bool, float, float> captions[] = {
        {1, 1, 1, 25, 295},   {1, 1, 0, 6.5f, 295}, {1, 0, 1, 25, 295},  {0, 1, 1, 25, 318},
        {0, 1, 0, 6.5f, 336}, {0, 0, 1, 25, 341},   {0, 0, 0, 6.5f, 359}};
    for (const auto& [minimise, maximise, icon, left, width] : captions) {
        frame.SetShowMinimize(minimise);
        frame.SetShowMaximize(maximise);
        frame.SetShowIcon(icon);
        EXPECT_EQ((Floats{frame.Caption1.Left(), frame.Caption1.Width()}), (Floats{left, width}))
            << minimise << maximise << icon;
    }
}

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
        EXPECT_EQ((Floats{line->X1(), line->X2(), line->Y1()}), (Floats{0, 392 * 15, 345}));
        EXPECT_EQ(line->BorderColor(), 0xC0C0C0u);
    }
}

TEST_F(LayoutTest, MinimumSizeIsEnforcedBeforeLayout) {
    for (const auto& [width, height, w, h] : {std::array<float, 4>{1000, 300, 1695, 615},
                                              {3000, 300, 3000, 615},
                                              {1000, 900, 1695, 900},
                                              {1695, 615, 1695, 615},
                                              {0, 0, 1695, 615}}) {
        frame.SetSizeTwips(width, height);
        EXPECT_EQ((Floats{frame.WidthTwips(), frame.HeightTwips(), frame.CloseButton.Left(), frame.Bottom.Top()}),
                  (Floats{w, h, w / 15 - 27, h / 15 - 4}))
            << width << " x " << height;
    }
}

TEST_F(LayoutTest, RegionUsesTheScreensTwipsPerPixelAndTheMinimumSizeAndSkipsFailingSteps) {
    host->width = 6000;
    host->height = 4500;
    frame.ReTransObj(*host);
    EXPECT_EQ(HostRecord().region, RoundedTop(400, 300));
    toolkit.twipsPerPixelX = toolkit.twipsPerPixelY = 12;
    frame.ReTransObj(*host);
    EXPECT_EQ(HostRecord().region, RoundedTop(500, 375));
    host->width = 1000;
    host->height = 300;
    frame.ReTransObj(*host);
    EXPECT_FLOAT_EQ(host->width + host->height, 1695 + 615);
    EXPECT_EQ(HostRecord().region, RoundedTop(141, 51));  // 141.25 and 51.25 pixels, rounded
    host->height = 300;
    host->failing = {"Width"};
    frame.ReTransObj(*host);
    EXPECT_FLOAT_EQ(host->height, 615);  // the failing width test counts as passed, its assignment fails
    EXPECT_EQ(HostRecord().region->back(), (platform::Rect{0, 5, 0, 51}));
    const auto before = HostRecord().region;
    host->failing = {"hwnd"};  // no window: no region
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

TEST_F(LayoutTest, EachSchemeActiveAndInactiveColoursTheCaptionAndPicksPicturesAndButtons) {
    SizePixels(400, 300);
    frame.SetEnableMaximize(false);
    for (const auto& [scheme, active, caption] : {std::tuple{0, true, 0xFFFFFFu},
                                                  {0, false, 0xFFFFFFu},
                                                  {1, true, 0xFFFFFFu},
                                                  {1, false, 0xFFFFFFu},
                                                  {2, true, 0x000000u},
                                                  {2, false, 0xC0C0C0u}}) {
        SCOPED_TRACE(testing::Message() << scheme << (active ? " active" : " inactive"));
        frame.SetColorScheme(scheme);
        ASSERT_TRUE(frame.SetFormActiveStyle(active));
        const int e = 2 * scheme + (active ? 0 : 1);
        EXPECT_EQ(frame.Caption1.ForeColor(), caption);
        EXPECT_EQ(std::pair(frame.Left.Picture(), frame.TitleRight.Picture()),
                  std::pair(ThemeXPicture(4, e), ThemeXPicture(3, e)));
        ExpectJoinedTitle(frame, 400);  // whatever the widths of the end pieces in this scheme and state
        for (const ControlButton* b : {&frame.Minimizebutton, &frame.MaximizeButton, &frame.CloseButton})
            EXPECT_EQ(std::pair(b->IsActivate(), b->Theme()), std::pair(active, scheme)) << b->Name();
        EXPECT_EQ(frame.CloseButton.Shown(),
                  CaptionImageFor(scheme, 2, active ? CaptionLook::RestingActive : CaptionLook::RestingInactive));
        EXPECT_EQ(frame.MaximizeButton.Shown(), DisabledCaptionImage(scheme));
    }
}

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
    EXPECT_FALSE(frame.Repos() || frame.SetFormActiveStyle(true));
    EXPECT_EQ(raised, 0);
    EXPECT_EQ(frame.Title.Picture(), ThemeXPicture(1, 0));  // unchanged
}

}  // namespace
}  // namespace plivant::test
