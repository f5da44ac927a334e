// clsTimer on the simulated clock: routing, periods, counting, Wait, lifetimes and the cursor test.
#include "widgets/clsTimer.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/sim/SimWindowing.h"

namespace plivant {
namespace {

class ClsTimerTest : public testing::Test {
protected:
    // The ticks a timer raised, as count@time.
    static void Record(clsTimer& timer, std::vector<std::string>& into) {
        timer.OnTime = [&into](int32_t n, int32_t t) { into.push_back(std::to_string(n) + "@" + std::to_string(t)); };
    }
    platform::sim::SimWindowing sim;
};

TEST_F(ClsTimerTest, StartTimerChoosesThePeriodAndKeepsInterval) {
    // Interval, the period given, the period that results.
    for (auto [interval, given, period] : {std::tuple{1000, 0, 1000},
                                           {1000, -5, 1000},
                                           {1000, 1000, 1000},
                                           {1000, 250, 250},
                                           {40, 1, 10} /* the system's shortest */,
                                           {40, 0, 40}}) {
        platform::sim::SimWindowing clock;
        clsTimer timer(clock);
        timer.SetInterval(static_cast<int16_t>(interval));
        std::vector<std::string> ticks;
        Record(timer, ticks);
        timer.StartTimer(static_cast<int16_t>(given));
        clock.Advance(static_cast<uint32_t>(period - 1));
        EXPECT_TRUE(ticks.empty()) << given;
        clock.Advance(1);
        EXPECT_EQ(ticks, std::vector<std::string>{"1@" + std::to_string(period)}) << given;
        EXPECT_EQ(timer.Interval(), interval);
    }
}

TEST_F(ClsTimerTest, EachObjectCountsItsOwnTicksAlsoOnOneOwnerWindow) {
    const auto window = sim.AddWindow(0, {0, 0, 100, 100});
    clsTimer a(sim), b(sim), c(sim), d(sim);
    std::vector<std::string> ta, tb;
    Record(a, ta);
    Record(b, tb);
    c.SetHwnd(window);
    d.SetHwnd(window);
    a.StartTimer(30);
    b.StartTimer(50);
    c.StartTimer(10);
    d.StartTimer(10);
    sim.Advance(100);
    EXPECT_EQ(ta, (std::vector<std::string>{"1@30", "2@60", "3@90"}));
    EXPECT_EQ(tb, (std::vector<std::string>{"1@50", "2@100"}));
    c.StopTimer();
    sim.Advance(10);
    EXPECT_EQ(std::pair(c.TickCount(), d.TickCount()), std::pair(10, 11));
}

TEST_F(ClsTimerTest, StartRestartsTheCountOnlyWhenStoppedAndIntervalReArmsOnlyARunningTimer) {
    clsTimer timer(sim);
    timer.SetInterval(300);  // stopped: only stored
    EXPECT_EQ(sim.ActiveTimers(), 0);
    timer.StartTimer(20);
    sim.Advance(40);
    timer.StartTimer(100);  // running: neither restarts the count nor changes the period
    sim.Advance(20);
    EXPECT_EQ(timer.TickCount(), 3);
    timer.StopTimer();
    sim.Advance(100);
    timer.StartTimer();
    EXPECT_EQ(timer.TickCount(), 0);
    sim.Advance(300);
    EXPECT_EQ(timer.TickCount(), 1);
    timer.SetInterval(300);  // the same value: nothing
    timer.SetInterval(200);
    EXPECT_EQ(sim.ActiveTimers(), 1);
    sim.Advance(1000);
    EXPECT_EQ(timer.TickCount(), 6);
    EXPECT_TRUE(timer.Running());
}

TEST_F(ClsTimerTest, HwndIsIgnoredWhileRunning) {
    const auto window = sim.AddWindow(0, {0, 0, 100, 100});
    clsTimer timer(sim);
    timer.StartTimer();
    timer.SetHwnd(window);
    EXPECT_EQ(timer.hwnd(), 0u);
    timer.StopTimer();
    timer.SetHwnd(window);
    EXPECT_EQ(timer.hwnd(), window);
}

TEST_F(ClsTimerTest, NoTickAfterDestructionEvenByItsOwnHandler) {
    auto timer = std::make_unique<clsTimer>(sim);
    int ticks = 0;
    timer->OnTime = [&](int32_t, int32_t) {
        ++ticks;
        timer.reset();
    };
    timer->StartTimer(10);
    sim.Advance(100);
    timer = std::make_unique<clsTimer>(sim);
    timer->OnTime = [&](int32_t, int32_t) { ++ticks; };
    timer->StartTimer(10);
    sim.Advance(10);
    timer.reset();
    EXPECT_EQ(sim.ActiveTimers(), 0);
    sim.Advance(100);
    EXPECT_EQ(ticks, 2);
}

TEST_F(ClsTimerTest, WaitPumpsMessagesUntilTheNextTickAndStops) {
    clsTimer timer(sim);
    int otherEvents = 0;
    sim.onPump = [&] {
        ++otherEvents;  // other events of the program run while waiting
        sim.Advance(5);
    };
    timer.Wait(50);
    EXPECT_EQ(std::tuple(sim.Now(), otherEvents, timer.TickCount(), timer.Running(), sim.ActiveTimers()),
              std::tuple(50u, 10, 1, false, 0));
    // While running it returns at the next tick and leaves the timer stopped.
    timer.StartTimer(100);
    sim.Advance(70);
    timer.Wait(20);
    EXPECT_EQ(std::tuple(sim.Now(), timer.TickCount(), timer.Running()), std::tuple(150u, 1, false));
}

TEST_F(ClsTimerTest, WaitEndsWhenTheObjectIsDestroyedOrTheTimerRefused) {
    auto timer = std::make_unique<clsTimer>(sim);
    sim.onPump = [&] { timer.reset(); };
    timer->Wait(10);  // returns although no tick can come any more
    EXPECT_EQ(sim.ActiveTimers(), 0);

    clsTimer refused(sim);
    refused.SetHwnd(0xBAD0);  // no such window: the system refuses the timer
    sim.onPump = [] { FAIL() << "no message loop expected"; };
    refused.Wait(10);
    EXPECT_FALSE(refused.Running());
}

TEST_F(ClsTimerTest, WaitGivesWayToARequestToEndTheProgram) {
    clsTimer timer(sim);
    sim.onPump = [&] { sim.quitRequested = true; };
    timer.Wait(10);
    EXPECT_EQ(sim.pumps, 1);
    EXPECT_EQ(timer.TickCount(), 0);
    EXPECT_FALSE(timer.Running());
    EXPECT_EQ(sim.ActiveTimers(), 0);
}

TEST_F(ClsTimerTest, IsMouseOverComparesTheWindowUnderTheCursor) {
    const auto form = sim.AddWindow(0, {100, 100, 300, 300});
    const auto child = sim.AddWindow(form, {10, 10, 50, 50});
    clsTimer timer(sim);
    const struct {
        platform::Point cursor;
        platform::WindowHandle window;
        bool expected;
    } cases[] = {
        {{120, 120}, child, true}, {{120, 120}, form, false},  {{200, 200}, form, true},
        {{149, 149}, child, true}, {{150, 150}, child, false}, {{50, 50}, form, false},
    };
    for (const auto& c : cases) {
        sim.cursor = c.cursor;
        EXPECT_EQ(timer.isMouseOver(c.window), c.expected) << c.cursor.x << "," << c.cursor.y;
    }
}

}  // namespace
}  // namespace plivant
