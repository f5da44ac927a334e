// The real windowing port and clsTimer against the system: ticks through the message loop, none after
// destruction, placement and regions on a real window.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "WineSupport.h"
#include "platform/win32/Win32Platform.h"
#include "widgets/clsTimer.h"

namespace plivant {
namespace {

using platform::win32::Win32Windowing;
using wine::PumpUntil;

// A plain window of its own class (a static control would be transparent to WindowFromPoint).
HWND MakeWindow() {
    static const ATOM atom = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "PlivantProbe";
        return RegisterClassA(&wc);
    }();
    (void)atom;
    return CreateWindowExA(0, "PlivantProbe", "probe", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

TEST(Win32Timer, ClsTimerTicksThroughTheMessageLoopWithItsOwnCount) {
    Win32Windowing windowing;
    clsTimer a(windowing), b(windowing);
    int32_t lastA = 0, lastB = 0;
    DWORD timeA = 0;
    a.OnTime = [&](int32_t n, int32_t t) {
        lastA = n;
        timeA = static_cast<DWORD>(t);
    };
    b.OnTime = [&](int32_t n, int32_t) { lastB = n; };
    const DWORD before = GetTickCount();
    a.StartTimer(20);
    b.StartTimer(20);
    ASSERT_TRUE(PumpUntil([&] { return lastA >= 3 && lastB >= 3; }, 5000)) << lastA << " " << lastB;
    EXPECT_GE(timeA, before);  // the system time of the tick
    a.StopTimer();
    b.StopTimer();
}

TEST(Win32Timer, NoTickReachesADestroyedObject) {
    Win32Windowing windowing;
    int ticks = 0;
    {
        clsTimer timer(windowing);
        timer.OnTime = [&](int32_t, int32_t) { ++ticks; };
        timer.StartTimer(10);
        ASSERT_TRUE(PumpUntil([&] { return ticks >= 1; }, 5000));
        Sleep(50);  // let more ticks fall due before the object goes
    }
    const int atDestruction = ticks;
    int spins = 0;
    PumpUntil([&] { return ++spins > 100000; }, 300);
    EXPECT_EQ(ticks, atDestruction);
}

TEST(Win32Timer, WaitReturnsAfterOneTickAndStops) {
    Win32Windowing windowing;
    clsTimer timer(windowing);
    const DWORD start = GetTickCount();
    timer.Wait(100);
    EXPECT_GE(GetTickCount() - start, 80u);
    EXPECT_EQ(timer.TickCount(), 1);
    EXPECT_FALSE(timer.Running());
}

TEST(Win32Timer, WaitGivesWayToARequestToEndAndLeavesIt) {
    Win32Windowing windowing;
    clsTimer timer(windowing);
    PostQuitMessage(3);
    timer.Wait(10);  // returns: no tick comes while the request waits
    EXPECT_FALSE(timer.Running());
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST(Win32Timer, WindowTimerOnAnOwnerWindow) {
    Win32Windowing windowing;
    const HWND window = MakeWindow();
    ASSERT_TRUE(window);
    clsTimer timer(windowing);
    uint32_t ticks = 0;
    timer.SetHwnd(reinterpret_cast<platform::WindowHandle>(window));
    timer.OnTime = [&](int32_t n, int32_t) { ticks = static_cast<uint32_t>(n); };
    timer.StartTimer(15);
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 2; }, 5000));
    timer.StopTimer();
    DestroyWindow(window);
}

// On one real window: topmost and back without moving or sizing, a region of rectangles that is their union,
// the window under the cursor, and the styles.
TEST(Win32Windowing, PlaceRegionCursorAndStylesOnARealWindow) {
    Win32Windowing windowing;
    const HWND window = MakeWindow();
    ASSERT_TRUE(window);
    const auto handle = reinterpret_cast<platform::WindowHandle>(window);
    for (HWND insertAfter : {HWND_TOPMOST, HWND_NOTOPMOST}) {
        ASSERT_TRUE(windowing.Place(handle, reinterpret_cast<platform::WindowHandle>(insertAfter), 0, 0, 0, 0,
                                    SWP_NOMOVE | SWP_NOSIZE));
        EXPECT_EQ((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, insertAfter == HWND_TOPMOST);
        EXPECT_EQ(*windowing.WindowRect(handle), (platform::Rect{100, 100, 300, 250}));
    }
    ASSERT_TRUE(windowing.ApplyRegion(handle, {{5, 0, 195, 1}, {0, 1, 200, 150}}, true));
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(window, probe), COMPLEXREGION);
    EXPECT_EQ((std::vector<bool>{!!PtInRegion(probe, 2, 0), !!PtInRegion(probe, 5, 0), !!PtInRegion(probe, 0, 1),
                                 !!PtInRegion(probe, 199, 0)}),
              (std::vector<bool>{false, true, true, false}));
    DeleteObject(probe);
    ASSERT_TRUE(windowing.MoveCursor({150, 150}));
    EXPECT_EQ(*windowing.CursorPosition(), (platform::Point{150, 150}));
    EXPECT_EQ(windowing.WindowAt({150, 150}), handle);
    EXPECT_TRUE(static_cast<uint32_t>(windowing.ReadLong(handle, GWL_STYLE)) & WS_POPUP);
    DestroyWindow(window);
}

}  // namespace
}  // namespace plivant
