// The simulated window manager: placement flags, z-order flags, styles, nested rectangles, timers.
#include "platform/sim/SimWindowing.h"

#include <gtest/gtest.h>

#include "platform/WinConst.h"

namespace plivant::platform::sim {
namespace {

TEST(SimWindowing, PlaceHonoursTheNoMoveNoSizeAndZOrderFlags) {
    const struct {
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
        sim.Place(w, win::HWND_NOTOPMOST, 0, 0, 0, 0, 3);
        EXPECT_FALSE(sim.Topmost(w));
    }
    EXPECT_FALSE(SimWindowing().Place(0xBAD0, win::HWND_TOPMOST, 0, 0, 0, 0, 3));
}

TEST(SimWindowing, StylesNestedRectanglesAndVisibility) {
    SimWindowing sim;
    const auto form = sim.AddWindow(0, {100, 50, 300, 250});
    const auto child = sim.AddWindow(form, {10, 20, 30, 40});
    EXPECT_EQ(sim.WriteLong(form, win::GWL_STYLE, 0x00CF0000), 0);  // a write returns the previous value
    EXPECT_EQ(sim.WriteLong(form, win::GWL_STYLE, 0x00080000), 0x00CF0000);
    EXPECT_EQ(sim.ReadLong(form, win::GWL_STYLE), 0x00080000);
    EXPECT_EQ(sim.ReadLong(0xBAD0, win::GWL_STYLE), 0);
    EXPECT_EQ(*sim.WindowRect(child), (Rect{110, 70, 130, 90}));
    EXPECT_EQ(sim.WindowAt({115, 75}), child);
    sim.SetVisible(child, false);
    EXPECT_EQ(sim.WindowAt({115, 75}), form);
    sim.SetVisible(form, false);  // a hidden parent hides its children
    EXPECT_EQ(sim.WindowAt({115, 75}), 0u);
    sim.RemoveWindow(form);
    EXPECT_FALSE(sim.WindowRect(child));
}

TEST(SimWindowing, WindowTimersReplaceTheirNamesakeAndThreadTimersGetDistinctIdentifiers) {
    SimWindowing sim;
    const auto w = sim.AddWindow(0, {0, 0, 10, 10});
    std::vector<std::string> seen;
    const auto record = [&](WindowHandle window, uint32_t message, uintptr_t id, uint32_t time) {
        seen.push_back(std::to_string(window) + "/" + std::to_string(message) + "/" + std::to_string(id) + "@" +
                       std::to_string(time));
    };
    EXPECT_EQ(sim.StartTimer(w, 7, 20, [](WindowHandle, uint32_t, uintptr_t, uint32_t) { FAIL() << "replaced"; }), 7u);
    EXPECT_EQ(sim.StartTimer(w, 7, 30, record), 7u);
    EXPECT_EQ(sim.TimerPeriod(w, 7), 30u);
    const auto a = sim.StartTimer(0, 0, 15, record), b = sim.StartTimer(0, 0, 15, record);
    EXPECT_NE(a * b, 0u);
    EXPECT_NE(a, b);
    sim.Advance(30);
    const std::string thread = "0/" + std::to_string(win::WM_TIMER) + "/";
    const std::string window = std::to_string(w) + "/" + std::to_string(win::WM_TIMER) + "/7@30";
    EXPECT_EQ(seen, (std::vector<std::string>{thread + std::to_string(a) + "@15", thread + std::to_string(b) + "@15",
                                              window, thread + std::to_string(a) + "@30",
                                              thread + std::to_string(b) + "@30"}));  // in the order of their start
    EXPECT_TRUE(sim.StopTimer(0, a));
    EXPECT_FALSE(sim.StopTimer(0, a));
    sim.RemoveWindow(w);  // the window's timers go with it
    EXPECT_EQ(sim.ActiveTimers(), 1);
}

}  // namespace
}  // namespace plivant::platform::sim
