// Resizing by the edges and bottom corners: press, move and release on the five handles.
#include <gtest/gtest.h>

#include "frame/FrameFixture.h"
#include "platform/WinConst.h"

namespace plivant::test {
namespace {

class EdgesTest : public FrameTest {
protected:
    EdgesTest() {
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
    struct Rect {
        float left, top, width, height;
    };
    Rect HostRect() const { return {host->left, host->top, host->width, host->height}; }
};

struct EdgeCase {
    const char* handle;
    ui::MousePointer pointer;
    float dLeft, dWidth, dHeight;
};

class EdgeHandleTest : public EdgesTest, public testing::WithParamInterface<EdgeCase> {
protected:
    ui::Image& Handle(const std::string& name) {
        for (ui::Image* image : {&frame.Left, &frame.Right, &frame.Bottom, &frame.BottomRight, &frame.BottomLeft}) {
            if (image->Name() == name) return *image;
        }
        throw std::out_of_range(name);
    }
};

TEST_P(EdgeHandleTest, TravelMovesTheMatchingSidesOnly) {
    const EdgeCase& c = GetParam();
    ui::Image& handle = Handle(c.handle);
    const Rect before = HostRect();
    Drag(handle, {500, 400}, {510, 405});  // 10 pixels right, 5 down
    EXPECT_EQ(handle.GetMousePointer(), c.pointer);
    EXPECT_FLOAT_EQ(host->left, before.left + c.dLeft);
    EXPECT_FLOAT_EQ(host->top, before.top);
    EXPECT_FLOAT_EQ(host->width, before.width + c.dWidth);
    EXPECT_FLOAT_EQ(host->height, before.height + c.dHeight);
    // The frame follows the window, and the window gets its region for the new size.
    EXPECT_FLOAT_EQ(frame.WidthTwips(), host->width);
    EXPECT_FLOAT_EQ(frame.HeightTwips(), host->height);
    EXPECT_EQ(HostRecord().region->back(),
              (platform::Rect{0, 5, static_cast<int32_t>(host->width / 15), static_cast<int32_t>(host->height / 15)}));
    EXPECT_EQ(frame.DragStart(), (platform::Point{500, 400}));
    EXPECT_EQ(frame.DragEnd(), (platform::Point{510, 405}));
}

INSTANTIATE_TEST_SUITE_P(Handles, EdgeHandleTest,
                         testing::Values(EdgeCase{"Left", ui::MousePointer::SizeWE, 150, -150, 0},
                                         EdgeCase{"Right", ui::MousePointer::SizeWE, 0, 150, 0},
                                         EdgeCase{"Bottom", ui::MousePointer::SizeNS, 0, 0, 75},
                                         EdgeCase{"BottomRight", ui::MousePointer::SizeNWSE, 0, 150, 75},
                                         EdgeCase{"BottomLeft", ui::MousePointer::SizeNESW, 150, -150, 75}),
                         [](const testing::TestParamInfo<EdgeCase>& p) { return std::string(p.param.handle); });

TEST_F(EdgesTest, AReleaseWithoutMovementLeavesTheWindowExactlyAsItWas) {
    for (int i = 0; i < 5; ++i) Drag(frame.Bottom, {300, 300}, {300, 300});
    EXPECT_FLOAT_EQ(host->width, 6000);
    EXPECT_FLOAT_EQ(host->height, 4500);
    EXPECT_FLOAT_EQ(frame.HeightTwips(), 4500);
    // ... and it still re-applies the style.
    EXPECT_EQ(HostRecord().style, static_cast<int32_t>(win::WS_SYSMENU));
    EXPECT_EQ(windowing.placements.back().cy, 300);
}

TEST_F(EdgesTest, BottomLeftCornerTwentyLeftFiveDown) {
    Drag(frame.BottomLeft, {500, 400}, {480, 405});
    EXPECT_FLOAT_EQ(host->left, 1500 - 300);
    EXPECT_FLOAT_EQ(host->width, 6000 + 300);
    EXPECT_FLOAT_EQ(host->height, 4500 + 75);
}

TEST_F(EdgesTest, TravelIsConvertedAtTheScreensTwipsPerPixel) {
    toolkit.twipsPerPixelX = 12;
    toolkit.twipsPerPixelY = 12;
    Drag(frame.BottomRight, {500, 400}, {510, 410});
    EXPECT_FLOAT_EQ(host->width, 6000 + 120);
    EXPECT_FLOAT_EQ(host->height, 4500 + 120);
}

TEST_F(EdgesTest, ShrinkingEndsAtTheMinimumSize) {
    Drag(frame.BottomRight, {500, 400}, {200, 100});
    EXPECT_FLOAT_EQ(host->width, 1695);
    EXPECT_FLOAT_EQ(host->height, 615);
}

TEST_F(EdgesTest, ARefusedRectangleLeavesTheWindowAndTheRestStillRuns) {
    // The left edge dragged far past the right one: a negative width, which the window refuses.
    Drag(frame.Left, {100, 400}, {600, 400});
    EXPECT_FLOAT_EQ(host->left, 1500);
    EXPECT_FLOAT_EQ(host->width, 6000);
    EXPECT_FLOAT_EQ(host->height, 4500);
    EXPECT_EQ(std::count(host->calls.begin(), host->calls.end(), "Move"), 1);
}

TEST_F(EdgesTest, TheLastPressOnAnyHandleIsTheStart) {
    windowing.cursor = {500, 400};
    frame.Right.MouseDown(1, 0, 0, 0);
    windowing.cursor = {530, 400};
    frame.Bottom.MouseUp(1, 0, 0, 0);  // released over another handle: that handle's rule, the press's start
    EXPECT_FLOAT_EQ(host->width, 6000);
    EXPECT_FLOAT_EQ(host->height, 4500);
    windowing.cursor = {500, 430};
    frame.Bottom.MouseUp(1, 0, 0, 0);
    EXPECT_FLOAT_EQ(host->height, 4500 + 450);
}

TEST_F(EdgesTest, NothingWhileNotSizableOrNotNormal) {
    struct Case {
        int16_t borderStyle, windowState;
    };
    for (const Case c : {Case{1, 0}, Case{0, 0}, Case{2, 2}, Case{2, 1}}) {
        host->borderStyle = c.borderStyle;
        host->windowState = c.windowState;
        const auto placements = windowing.placements.size();
        frame.Right.SetMousePointer(ui::MousePointer::SizeWE);
        Drag(frame.Right, {500, 400}, {550, 400});
        EXPECT_FLOAT_EQ(host->width, 6000) << c.borderStyle << "/" << c.windowState;
        EXPECT_EQ(frame.Right.GetMousePointer(), ui::MousePointer::Default);
        EXPECT_EQ(windowing.placements.size(), placements);
    }
}

TEST_F(EdgesTest, TheBottomHandleOfAMaximisedWindowBringsBackTheTaskbar) {
    const auto tray = windowing.AddWindow(0, {0, 740, 1024, 768}, false);
    windowing.SetClass(tray, "Shell_TrayWnd", "");
    frame.Right.MouseMove(0, 0, 1, 1);
    frame.Bottom.MouseMove(0, 0, 1, 1);
    EXPECT_FALSE(windowing.Find(tray)->visible);  // only for a maximised window
    host->windowState = 2;
    frame.Right.MouseMove(0, 0, 1, 1);
    EXPECT_FALSE(windowing.Find(tray)->visible);  // only the bottom handle
    frame.Bottom.MouseMove(0, 0, 1, 1);
    EXPECT_TRUE(windowing.Find(tray)->visible);
    EXPECT_EQ(frame.Bottom.GetMousePointer(), ui::MousePointer::Default);
}

TEST_F(EdgesTest, ReleaseGoesOnPastFailingSteps) {
    windowing.cursor = {500, 400};
    frame.Right.MouseDown(1, 0, 0, 0);
    host->failing = {"BorderStyle"};  // the tests count as passed: sizable, and the height is given back
    windowing.cursor = {520, 400};
    frame.Right.MouseUp(1, 0, 0, 0);
    EXPECT_FLOAT_EQ(host->width, 6300);
    EXPECT_FLOAT_EQ(host->height, 4500);
    EXPECT_FLOAT_EQ(frame.WidthTwips(), 6300);
}

TEST(EdgesBeforeLoad, HandlesDoNothingUntilTheSkinIsApplied) {
    platform::sim::SimWindowing windowing;
    platform::sim::SimShell shell;
    ui::sim::HeadlessToolkit toolkit{windowing, shell};
    platform::sim::SimProcess process;
    ui::Form form{toolkit, "frmHost"};
    auto host = std::make_shared<ScriptedHost>([&] { return form.hwnd(); });
    NuvaXPForm frame{form, "NuvaXPForm1", process, host};
    windowing.cursor = {10, 10};
    frame.Right.MouseDown(1, 0, 0, 0);
    frame.Right.MouseMove(1, 0, 0, 0);
    windowing.cursor = {50, 10};
    frame.Right.MouseUp(1, 0, 0, 0);
    EXPECT_EQ(frame.DragStart(), (platform::Point{0, 0}));
    EXPECT_EQ(frame.Right.GetMousePointer(), ui::MousePointer::Default);
    EXPECT_FLOAT_EQ(host->width, 7000);
    EXPECT_TRUE(host->calls.empty());
}

}  // namespace
}  // namespace plivant::test
