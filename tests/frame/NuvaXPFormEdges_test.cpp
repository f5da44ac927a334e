// Resizing by the edges and bottom corners: press, move and release on the five handles.
#include <gtest/gtest.h>

#include "frame/FrameFixture.h"

namespace plivant::test {
namespace {

class EdgesTest : public FrameTest {
protected:
    void Load() {
        frame.SetSizeTwips(6000, 4500);
        frame.LoadXP();
        host->left = 1500;
        host->top = 1200;
    }
    // Presses the handle at one screen point and releases it at another.
    void Drag(ui::Image& handle, platform::Point from, platform::Point to) {
        windowing.cursor = from;
        handle.MouseDown(1, 0, 1, 1);
        windowing.cursor = to;
        handle.MouseMove(1, 0, 1, 1);
        handle.MouseUp(1, 0, 1, 1);
    }
    std::vector<float> HostRect() const { return {host->left, host->top, host->width, host->height}; }
};

TEST_F(EdgesTest, HandlesDoNothingUntilTheSkinIsApplied) {
    Drag(frame.Right, {10, 10}, {50, 10});
    EXPECT_EQ(frame.DragStart(), (platform::Point{0, 0}));
    EXPECT_EQ(frame.Right.GetMousePointer(), ui::MousePointer::Default);
    EXPECT_FLOAT_EQ(host->width, 7000);
    EXPECT_TRUE(host->calls.empty());
}

struct EdgeCase {
    const char* name;
    const char* handle;
    ui::MousePointer pointer;
    platform::Point to;
    float dLeft, dWidth, dHeight;
};

class EdgeHandleTest : public EdgesTest, public testing::WithParamInterface<EdgeCase> {};

TEST_P(EdgeHandleTest, TravelMovesTheMatchingSidesOnly) {
    const EdgeCase& c = GetParam();
    Load();
    ui::Image* handle = &frame.Left;
    for (ui::Image* image : {&frame.Left, &frame.Right, &frame.Bottom, &frame.BottomRight, &frame.BottomLeft})
        if (image->Name() == c.handle) handle = image;
    Drag(*handle, {500, 400}, c.to);
    EXPECT_EQ(handle->GetMousePointer(), c.pointer);
    EXPECT_EQ(HostRect(), (std::vector<float>{1500 + c.dLeft, 1200, 6000 + c.dWidth, 4500 + c.dHeight}));
    // The frame follows the window, and the window gets its region for the new size.
    EXPECT_FLOAT_EQ(frame.WidthTwips(), host->width);
    EXPECT_FLOAT_EQ(frame.HeightTwips(), host->height);
    EXPECT_EQ(HostRecord().region,
              RoundedTop(static_cast<int32_t>(host->width / 15), static_cast<int32_t>(host->height / 15)));
    EXPECT_EQ(frame.DragEnd(), c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Handles, EdgeHandleTest,
    testing::Values(EdgeCase{"Left", "Left", ui::MousePointer::SizeWE, {510, 405}, 150, -150, 0},
                    EdgeCase{"Right", "Right", ui::MousePointer::SizeWE, {510, 405}, 0, 150, 0},
                    EdgeCase{"Bottom", "Bottom", ui::MousePointer::SizeNS, {510, 405}, 0, 0, 75},
                    EdgeCase{"BottomRight", "BottomRight", ui::MousePointer::SizeNWSE, {510, 405}, 0, 150, 75},
                    EdgeCase{"BottomLeft", "BottomLeft", ui::MousePointer::SizeNESW, {480, 405}, -300, 300, 75},
                    EdgeCase{"ShrinkingEndsAtTheMinimumSize",
                             "BottomRight",
                             ui::MousePointer::SizeNWSE,
                             {200, 100},
                             0,
                             1695 - 6000,
                             615 - 4500}),
    [](const testing::TestParamInfo<EdgeCase>& p) { return std::string(p.param.name); });

TEST_F(EdgesTest, AReleaseWithoutMovementLeavesTheWindowAsItWasAndStillRestyles) {
    Load();
    for (int i = 0; i < 5; ++i) Drag(frame.Bottom, {300, 300}, {300, 300});
    EXPECT_EQ(HostRect(), (std::vector<float>{1500, 1200, 6000, 4500}));
    EXPECT_FLOAT_EQ(frame.HeightTwips(), 4500);
    EXPECT_EQ(HostRecord().style, static_cast<int32_t>(win::WS_SYSMENU));
    EXPECT_EQ(windowing.placements.back().cy, 300);
}

TEST_F(EdgesTest, TravelIsConvertedAtTheScreensTwipsPerPixel) {
    Load();
    toolkit.twipsPerPixelX = 12;
    toolkit.twipsPerPixelY = 12;
    Drag(frame.BottomRight, {500, 400}, {510, 410});
    EXPECT_FLOAT_EQ(host->width, 6000 + 120);
    EXPECT_FLOAT_EQ(host->height, 4500 + 120);
}

TEST_F(EdgesTest, ARefusedRectangleLeavesTheWindowAndTheRestStillRuns) {
    Load();
    // The left edge dragged far past the right one: a negative width, which the window refuses.
    Drag(frame.Left, {100, 400}, {600, 400});
    EXPECT_EQ(HostRect(), (std::vector<float>{1500, 1200, 6000, 4500}));
    EXPECT_EQ(std::count(host->calls.begin(), host->calls.end(), "Move"), 1);
}

TEST_F(EdgesTest, TheLastPressOnAnyHandleIsTheStartAndFailingStepsAreSkipped) {
    Load();
    windowing.cursor = {500, 400};
    frame.Right.MouseDown(1, 0, 0, 0);
    windowing.cursor = {530, 400};
    frame.Bottom.MouseUp(1, 0, 0, 0);  // released over another handle: that handle's rule, the press's start
    EXPECT_EQ(HostRect(), (std::vector<float>{1500, 1200, 6000, 4500}));
    windowing.cursor = {500, 430};
    frame.Bottom.MouseUp(1, 0, 0, 0);
    EXPECT_FLOAT_EQ(host->height, 4500 + 450);

    host->failing = {"BorderStyle"};  // the tests count as passed: sizable, and the height is given back
    windowing.cursor = {520, 400};
    frame.Right.MouseUp(1, 0, 0, 0);
    EXPECT_EQ(HostRect(), (std::vector<float>{1500, 1200, 6300, 4950}));
    EXPECT_FLOAT_EQ(frame.WidthTwips(), 6300);
}

TEST_F(EdgesTest, NothingWhileNotSizableOrNotNormal) {
    Load();
    for (const auto& [borderStyle, windowState] : {std::pair{1, 0}, {0, 0}, {2, 2}, {2, 1}}) {
        host->borderStyle = static_cast<int16_t>(borderStyle);
        host->windowState = static_cast<int16_t>(windowState);
        const auto placements = windowing.placements.size();
        frame.Right.SetMousePointer(ui::MousePointer::SizeWE);
        Drag(frame.Right, {500, 400}, {550, 400});
        EXPECT_FLOAT_EQ(host->width, 6000) << borderStyle << "/" << windowState;
        EXPECT_EQ(frame.Right.GetMousePointer(), ui::MousePointer::Default);
        EXPECT_EQ(windowing.placements.size(), placements);
    }
}

TEST_F(EdgesTest, TheBottomHandleOfAMaximisedWindowBringsBackTheTaskbar) {
    Load();
    const auto tray = windowing.AddWindow(0, {0, 740, 1024, 768}, false);
    windowing.SetClass(tray, "Shell_TrayWnd", "");
    frame.Bottom.MouseMove(0, 0, 1, 1);
    EXPECT_FALSE(windowing.Find(tray)->visible);  // only for a maximised window
    host->windowState = 2;
    frame.Right.MouseMove(0, 0, 1, 1);
    EXPECT_FALSE(windowing.Find(tray)->visible);  // only the bottom handle
    frame.Bottom.MouseMove(0, 0, 1, 1);
    EXPECT_TRUE(windowing.Find(tray)->visible);
    EXPECT_EQ(frame.Bottom.GetMousePointer(), ui::MousePointer::Default);
}

}  // namespace
}  // namespace plivant::test
