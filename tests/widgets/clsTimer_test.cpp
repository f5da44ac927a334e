// clsTimer on the simulated clock: routing, periods, counting, Wait, lifetimes and the cursor test.
#include "widgets/clsTimer.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "platform/sim/SimWindowing.h"

namespace plivant {
namespace {

using Ticks = std::vector<std::string>;

class ClsTimerTest : public testing::Test {
protected:
    // The ticks a timer raised, as count@time.
    static void Record(clsTimer& timer, Ticks& into) {
        timer.OnTime = [&into](int32_t n, int32_t t) { into.push_back(std::to_string(n) + "@" + std::to_string(t)); };
    }
    platform::sim::SimWindowing sim;
};

TEST_F(ClsTimerTest, PeriodsCountsAndOwnerWindows) {
    // Interval, the period given, the period that results (10: the system's shortest).
    for (auto [interval, given, period] : {std::array{1000, 0, 1000},
                                           {1000, -5, 1000},
                                           {1000, 1000, 1000},
                                           {1000, 250, 250},
                                           {40, 1, 10},
                                           {40, 0, 40}}) {
        platform::sim::SimWindowing clock;
        clsTimer timer(clock);
        timer.SetInterval(static_cast<int16_t>(interval));
        Ticks ticks;
        Record(timer, ticks);
        timer.StartTimer(static_cast<int16_t>(given));
        clock.Advance(static_cast<uint32_t>(period - 1));
        const bool early = !ticks.empty();
        clock.Advance(1);
        EXPECT_EQ(std::tuple(early, ticks, timer.Interval()),
                  std::tuple(false, Ticks{"1@" + std::to_string(period)}, interval));
    }
    // Each object counts its own ticks, also on one owner window, whose handle is fixed while it runs.
    const auto window = sim.AddWindow(0, {0, 0, 100, 100});
    clsTimer a(sim), b(sim), c(sim);
    Ticks ta;
    Record(a, ta);
    b.SetHwnd(window);
    c.SetHwnd(window);
    a.StartTimer(30);
    b.StartTimer(10);
    c.StartTimer(10);
    a.SetHwnd(window);
    sim.Advance(100);
    b.StopTimer();
    sim.Advance(10);
    EXPECT_EQ(std::tuple(ta, b.TickCount(), c.TickCount(), a.hwnd(), b.hwnd()),
              std::tuple(Ticks{"1@30", "2@60", "3@90"}, 10, 11, 0u, window));
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
    timer.StartTimer();
    sim.Advance(300);
    EXPECT_EQ(timer.TickCount(), 1);
    timer.SetInterval(300);  // the same value: nothing
    timer.SetInterval(200);
    sim.Advance(1000);
    EXPECT_EQ(std::tuple(timer.TickCount(), timer.Running(), sim.ActiveTimers()), std::tuple(6, true, 1));
}

TEST_F(ClsTimerTest, NoTickAfterDestructionEvenByItsOwnHandler) {
    auto timer = std::make_unique<clsTimer>(sim);
    int ticks = 0;
    timer->OnTime = [&](int32_t, int32_t) { ++ticks, timer.reset(); };
    timer->StartTimer(10);
    sim.Advance(100);
    timer = std::make_unique<clsTimer>(sim);
    timer->OnTime = [&](int32_t, int32_t) { ++ticks; };
    timer->StartTimer(10);
    sim.Advance(10);
    timer.reset();
    sim.Advance(100);
    EXPECT_EQ(std::pair(ticks, sim.ActiveTimers()), std::pair(2, 0));
}

// Wait pumps messages until the next tick and stops; it ends too when the object goes, when the system refuses the
// timer, and when a request to end the program is pending.
TEST_F(ClsTimerTest, WaitPumpsMessagesUntilTheNextTickOrAnythingThatEndsTheWait) {
    clsTimer timer(sim);
    int otherEvents = 0;
    sim.onPump = [&] { ++otherEvents, sim.Advance(5); };
    timer.Wait(50);
    EXPECT_EQ(std::tuple(sim.Now(), otherEvents, timer.TickCount(), timer.Running(), sim.ActiveTimers()),
              std::tuple(50u, 10, 1, false, 0));
    timer.StartTimer(100);
    sim.Advance(70);
    timer.Wait(20);
    EXPECT_EQ(std::tuple(sim.Now(), timer.TickCount(), timer.Running()), std::tuple(150u, 1, false));
    auto gone = std::make_unique<clsTimer>(sim);
    sim.onPump = [&] { gone.reset(); };
    gone->Wait(10);
    EXPECT_EQ(sim.ActiveTimers(), 0);
    clsTimer refused(sim), quitting(sim);
    refused.SetHwnd(0xBAD0);  // no such window
    sim.onPump = [] { FAIL() << "no message loop expected"; };
    refused.Wait(10);
    const int pumps = sim.pumps;
    sim.onPump = [&] { sim.quitRequested = true; };
    quitting.Wait(10);
    EXPECT_EQ(
        std::tuple(refused.Running(), sim.pumps - pumps, quitting.TickCount(), quitting.Running(), sim.ActiveTimers()),
        std::tuple(false, 1, 0, false, 0));
}

TEST_F(ClsTimerTest, IsMouseOverComparesTheWindowUnderTheCursor) {
    const auto form = sim.AddWindow(0, {100, 100, 300, 300});
    const auto child = sim.AddWindow(form, {10, 10, 50, 50});
    clsTimer timer(sim);
    for (auto [x, y, window, over] : {std::tuple{120, 120, child, true},
                                      {120, 120, form, false},
                                      {200, 200, form, true},
                                      {149, 149, child, true},
                                      {150, 150, child, false},
                                      {50, 50, form, false}}) {
        sim.cursor = {x, y};
        EXPECT_EQ(timer.isMouseOver(window), over) << x << "," << y;
    }
}

}  // namespace
}  // namespace plivant
