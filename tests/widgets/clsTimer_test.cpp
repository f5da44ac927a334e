// clsTimer on the simulated clock: routing, periods, counting, Wait, lifetimes and the cursor test.
#include "widgets/clsTimer.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/WinConst.h"
#include "platform/sim/SimWindowing.h"

namespace plivant {
namespace {

using platform::sim::SimWindowing;

struct Tick {
    int32_t ticks;
    int32_t time;
    friend bool operator==(const Tick&, const Tick&) = default;
};

class ClsTimerTest : public testing::Test {
protected:
    void Record(clsTimer& timer, std::vector<Tick>& into) {
        timer.OnTime = [&into](int32_t n, int32_t t) { into.push_back({n, t}); };
    }
    SimWindowing sim;
};

struct PeriodCase {
    int16_t interval;
    int16_t given;
    uint32_t expectedPeriod;
};

class StartTimerPeriod : public ClsTimerTest, public testing::WithParamInterface<PeriodCase> {};

TEST_P(StartTimerPeriod, ChoosesThePeriodAndKeepsInterval) {
    const auto& c = GetParam();
    clsTimer timer(sim);
    timer.SetInterval(c.interval);
    std::vector<Tick> ticks;
    Record(timer, ticks);
    timer.StartTimer(c.given);
    sim.Advance(c.expectedPeriod - 1);
    EXPECT_TRUE(ticks.empty());
    sim.Advance(1);
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_EQ(ticks[0], (Tick{1, static_cast<int32_t>(c.expectedPeriod)}));
    EXPECT_EQ(timer.Interval(), c.interval);
}

INSTANTIATE_TEST_SUITE_P(Periods, StartTimerPeriod,
                         testing::Values(PeriodCase{1000, 0, 1000}, PeriodCase{1000, -5, 1000},
                                         PeriodCase{1000, 1000, 1000}, PeriodCase{1000, 250, 250},
                                         PeriodCase{40, 1, 10},  // the system's shortest period
                                         PeriodCase{40, 0, 40}));

TEST_F(ClsTimerTest, EachObjectReceivesItsOwnTicksWithTheCallbackValues) {
    clsTimer a(sim), b(sim);
    std::vector<Tick> ta, tb;
    Record(a, ta);
    Record(b, tb);
    a.StartTimer(30);
    b.StartTimer(50);
    sim.Advance(100);
    EXPECT_EQ(ta, (std::vector<Tick>{{1, 30}, {2, 60}, {3, 90}}));
    EXPECT_EQ(tb, (std::vector<Tick>{{1, 50}, {2, 100}}));
    EXPECT_EQ(a.TickCount(), 3);
    EXPECT_EQ(b.TickCount(), 2);
}

TEST_F(ClsTimerTest, StartTimerResetsTheCountOnlyWhenStopped) {
    clsTimer timer(sim);
    std::vector<Tick> ticks;
    Record(timer, ticks);
    timer.StartTimer(20);
    sim.Advance(40);
    timer.StartTimer(100);  // running: neither restarts the count nor changes the period
    sim.Advance(20);
    EXPECT_EQ(timer.TickCount(), 3);
    timer.StopTimer();
    sim.Advance(100);
    EXPECT_EQ(timer.TickCount(), 3);
    timer.StartTimer(20);
    EXPECT_EQ(timer.TickCount(), 0);
    sim.Advance(20);
    EXPECT_EQ(ticks.back().ticks, 1);
}

TEST_F(ClsTimerTest, IntervalChangeReArmsTheOneRunningTimer) {
    clsTimer timer(sim);
    timer.StartTimer();
    ASSERT_EQ(sim.ActiveTimers(), 1);
    timer.SetInterval(1000);  // same value: nothing
    EXPECT_EQ(sim.ActiveTimers(), 1);
    timer.SetInterval(200);
    EXPECT_EQ(sim.ActiveTimers(), 1);
    int ticks = 0;
    timer.OnTime = [&](int32_t, int32_t) { ++ticks; };
    sim.Advance(1000);
    EXPECT_EQ(ticks, 5);
    timer.StopTimer();
    EXPECT_EQ(sim.ActiveTimers(), 0);
}

TEST_F(ClsTimerTest, IntervalChangeWhileStoppedOnlyStores) {
    clsTimer timer(sim);
    timer.SetInterval(300);
    EXPECT_EQ(sim.ActiveTimers(), 0);
    EXPECT_FALSE(timer.Running());
    timer.StartTimer();
    sim.Advance(300);
    EXPECT_EQ(timer.TickCount(), 1);
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

TEST_F(ClsTimerTest, TwoObjectsOnOneOwnerWindowKeepTheirOwnTimers) {
    const auto window = sim.AddWindow(0, {0, 0, 100, 100});
    clsTimer a(sim), b(sim);
    a.SetHwnd(window);
    b.SetHwnd(window);
    a.StartTimer(10);
    b.StartTimer(10);
    sim.Advance(30);
    EXPECT_EQ(a.TickCount(), 3);
    EXPECT_EQ(b.TickCount(), 3);
    a.StopTimer();
    sim.Advance(10);
    EXPECT_EQ(a.TickCount(), 3);
    EXPECT_EQ(b.TickCount(), 4);
}

TEST_F(ClsTimerTest, NoTickAfterDestruction) {
    auto timer = std::make_unique<clsTimer>(sim);
    int ticks = 0;
    timer->OnTime = [&](int32_t, int32_t) { ++ticks; };
    timer->StartTimer(10);
    sim.Advance(10);
    timer.reset();
    EXPECT_EQ(sim.ActiveTimers(), 0);
    sim.Advance(100);
    EXPECT_EQ(ticks, 1);
}

TEST_F(ClsTimerTest, AHandlerMayDestroyItsOwnTimer) {
    auto timer = std::make_unique<clsTimer>(sim);
    int ticks = 0;
    timer->OnTime = [&](int32_t, int32_t) {
        ++ticks;
        timer.reset();
    };
    timer->StartTimer(10);
    sim.Advance(100);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(sim.ActiveTimers(), 0);
}

TEST_F(ClsTimerTest, WaitPumpsMessagesUntilTheNextTickAndStops) {
    clsTimer timer(sim);
    int otherEvents = 0;
    sim.onPump = [&] {
        ++otherEvents;  // other events of the program run while waiting
        sim.Advance(5);
    };
    timer.Wait(50);
    EXPECT_EQ(sim.Now(), 50u);
    EXPECT_EQ(otherEvents, 10);
    EXPECT_EQ(timer.TickCount(), 1);
    EXPECT_FALSE(timer.Running());
    EXPECT_EQ(sim.ActiveTimers(), 0);
}

TEST_F(ClsTimerTest, WaitWhileRunningReturnsAtTheNextTickAndLeavesItStopped) {
    clsTimer timer(sim);
    timer.StartTimer(100);
    sim.Advance(70);
    sim.onPump = [&] { sim.Advance(10); };
    timer.Wait(20);
    EXPECT_EQ(sim.Now(), 100u);
    EXPECT_EQ(timer.TickCount(), 1);
    EXPECT_FALSE(timer.Running());
}

TEST_F(ClsTimerTest, ObjectDestroyedDuringItsWaitEndsTheWait) {
    auto timer = std::make_unique<clsTimer>(sim);
    sim.onPump = [&] { timer.reset(); };
    timer->Wait(10);  // returns although no tick can come any more
    EXPECT_EQ(timer, nullptr);
    EXPECT_EQ(sim.ActiveTimers(), 0);
}

TEST_F(ClsTimerTest, WaitOnARefusedTimerReturnsAtOnce) {
    clsTimer timer(sim);
    timer.SetHwnd(0xBAD0);  // no such window: the system refuses the timer
    sim.onPump = [] { FAIL() << "no message loop expected"; };
    timer.Wait(10);
    EXPECT_FALSE(timer.Running());
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
    struct {
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
