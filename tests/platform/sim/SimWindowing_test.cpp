// The simulated window manager: placement flags, z-order flags, styles, nested rectangles, timers.
#include "platform/sim/SimWindowing.h"

#include <gtest/gtest.h>

#include "platform/WinConst.h"

namespace plivant::platform::sim {
namespace {

TEST(SimWindowing, PlaceHonoursTheNoMoveNoSizeAndZOrderFlags) {
    struct {
        WindowHandle insertAfter;
        uint32_t flags;
        Rect expected;
        bool topmost;
    } cases[] = {
        {win::HWND_TOPMOST, win::SWP_NOMOVE | win::SWP_NOSIZE, {10, 20, 110, 70}, true},
        {win::HWND_TOPMOST, win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER, {10, 20, 110, 70}, false},
        {win::HWND_NOTOPMOST, win::SWP_NOSIZE, {1, 2, 101, 52}, false},
        {win::HWND_TOP, win::SWP_NOMOVE, {10, 20, 13, 24}, false},
        {win::HWND_TOP, 0, {1, 2, 4, 6}, false},
    };
    for (const auto& c : cases) {
        SimWindowing sim;
        const auto w = sim.AddWindow(0, {10, 20, 110, 70});
        EXPECT_TRUE(sim.Place(w, c.insertAfter, 1, 2, 3, 4, c.flags));
        EXPECT_EQ(*sim.WindowRect(w), c.expected) << c.flags;
        EXPECT_EQ(sim.Topmost(w), c.topmost) << c.flags;
    }
}

TEST(SimWindowing, NotTopmostDropsTheFlag) {
    SimWindowing sim;
    const auto w = sim.AddWindow(0, {0, 0, 10, 10});
    sim.Place(w, win::HWND_TOPMOST, 0, 0, 0, 0, 3);
    ASSERT_TRUE(sim.Topmost(w));
    sim.Place(w, win::HWND_NOTOPMOST, 0, 0, 0, 0, 3);
    EXPECT_FALSE(sim.Topmost(w));
    EXPECT_FALSE(sim.Place(0xBAD0, win::HWND_TOPMOST, 0, 0, 0, 0, 3));
}

TEST(SimWindowing, StylesReadBackAndWriteReturnsThePrevious) {
    SimWindowing sim;
    const auto w = sim.AddWindow(0, {0, 0, 10, 10});
    EXPECT_EQ(sim.WriteLong(w, win::GWL_STYLE, 0x00CF0000), 0);
    EXPECT_EQ(sim.WriteLong(w, win::GWL_STYLE, 0x00080000), 0x00CF0000);
    EXPECT_EQ(sim.ReadLong(w, win::GWL_STYLE), 0x00080000);
    EXPECT_EQ(sim.ReadLong(0xBAD0, win::GWL_STYLE), 0);
}

TEST(SimWindowing, ChildRectanglesAreOnTheScreenAndHiddenParentsHideChildren) {
    SimWindowing sim;
    const auto form = sim.AddWindow(0, {100, 50, 300, 250});
    const auto child = sim.AddWindow(form, {10, 20, 30, 40});
    EXPECT_EQ(*sim.WindowRect(child), (Rect{110, 70, 130, 90}));
    EXPECT_EQ(sim.WindowAt({115, 75}), child);
    sim.SetVisible(child, false);
    EXPECT_EQ(sim.WindowAt({115, 75}), form);
    sim.SetVisible(form, false);
    EXPECT_EQ(sim.WindowAt({115, 75}), 0u);
    sim.RemoveWindow(form);
    EXPECT_FALSE(sim.WindowRect(child));
}

TEST(SimWindowing, WindowTimersGoWithTheirWindowAndReplaceTheirNamesake) {
    SimWindowing sim;
    const auto w = sim.AddWindow(0, {0, 0, 10, 10});
    int first = 0, second = 0;
    EXPECT_EQ(sim.StartTimer(w, 7, 20, [&](WindowHandle, uint32_t, uintptr_t, uint32_t) { ++first; }), 7u);
    EXPECT_EQ(sim.StartTimer(w, 7, 30, [&](WindowHandle, uint32_t, uintptr_t, uint32_t) { ++second; }), 7u);
    EXPECT_EQ(sim.TimerPeriod(w, 7), 30u);
    sim.Advance(60);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 2);
    sim.RemoveWindow(w);
    EXPECT_EQ(sim.ActiveTimers(), 0);
}

TEST(SimWindowing, ThreadTimersGetDistinctNonZeroIdentifiersAndTheTickValues) {
    SimWindowing sim;
    std::vector<std::tuple<WindowHandle, uint32_t, uintptr_t, uint32_t>> seen;
    const auto record = [&](WindowHandle w, uint32_t m, uintptr_t id, uint32_t t) { seen.emplace_back(w, m, id, t); };
    const auto a = sim.StartTimer(0, 0, 15, record);
    const auto b = sim.StartTimer(0, 0, 15, record);
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    sim.Advance(15);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_tuple(WindowHandle{0}, win::WM_TIMER, a, 15u));
    EXPECT_EQ(seen[1], std::make_tuple(WindowHandle{0}, win::WM_TIMER, b, 15u));
    EXPECT_TRUE(sim.StopTimer(0, a));
    EXPECT_FALSE(sim.StopTimer(0, a));
}

}  // namespace
}  // namespace plivant::platform::sim
