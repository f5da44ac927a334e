// The real windowing port and clsTimer against the system: ticks through the message loop, none after
// destruction, Wait, placement and regions on a real window.
#include <gtest/gtest.h>

#include "WineSupport.h"
#include "platform/win32/Win32Platform.h"
#include "widgets/clsTimer.h"

namespace plivant::wine {
namespace {

// A plain window of its own class (a static control would be transparent to WindowFromPoint).
HWND MakeWindow() {
    static const ATOM atom = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "PlivantProbe";
        return RegisterClassA(&wc);
    }();
    return CreateWindowExA(0, MAKEINTATOM(atom), "probe", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

// Each object ticks with its own count, on a thread timer or on an owner window; no tick reaches one that has gone.
TEST(Win32Timer, ClsTimerTicksThroughTheMessageLoopWithItsOwnCountUntilItGoes) {
    platform::win32::Win32Windowing windowing;
    const HWND window = MakeWindow();
    ASSERT_TRUE(window);
    int32_t lastA = 0, lastB = 0, ticks = 0;
    DWORD timeA = 0;
    const DWORD before = GetTickCount();
    {
        clsTimer a(windowing), b(windowing);
        a.OnTime = [&](int32_t n, int32_t t) { lastA = n, timeA = static_cast<DWORD>(t), ++ticks; };
        b.OnTime = [&](int32_t n, int32_t) { lastB = n; };
        b.SetHwnd(reinterpret_cast<platform::WindowHandle>(window));
        a.StartTimer(20);
        b.StartTimer(15);
        ASSERT_TRUE(PumpUntil([&] { return lastA >= 3 && lastB >= 3; }, 5000)) << lastA << " " << lastB;
        EXPECT_GE(timeA, before);  // the system time of the tick
        b.StopTimer();
        Sleep(50);  // let more ticks fall due before the object goes
    }
    const int atDestruction = ticks;
    PumpFor(300);
    EXPECT_EQ(ticks, atDestruction);
    DestroyWindow(window);
}

// Wait returns after one tick and stops; it gives way to a request to end the program and leaves it queued.
TEST(Win32Timer, WaitReturnsAfterOneTickOrARequestToEnd) {
    platform::win32::Win32Windowing windowing;
    clsTimer timer(windowing);
    const DWORD start = GetTickCount();
    timer.Wait(100);
    EXPECT_GE(GetTickCount() - start, 80u);
    EXPECT_EQ(std::tuple(timer.TickCount(), timer.Running()), std::tuple(1, false));
    PostQuitMessage(3);
    timer.Wait(10);  // returns: no tick comes while the request waits
    EXPECT_FALSE(timer.Running());
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

// On one real window: topmost and back without moving or sizing, a region of rectangles that is their union,
// the window under the cursor, and the styles.
TEST(Win32Windowing, PlaceRegionCursorAndStylesOnARealWindow) {
    platform::win32::Win32Windowing windowing;
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
    EXPECT_EQ((std::vector<BOOL>{PtInRegion(probe, 2, 0), PtInRegion(probe, 5, 0), PtInRegion(probe, 0, 1),
                                 PtInRegion(probe, 199, 0)}),
              (std::vector<BOOL>{FALSE, TRUE, TRUE, FALSE}));
    DeleteObject(probe);
    ASSERT_TRUE(windowing.MoveCursor({150, 150}));
    EXPECT_EQ(*windowing.CursorPosition(), (platform::Point{150, 150}));
    EXPECT_EQ(windowing.WindowAt({150, 150}), handle);
    EXPECT_TRUE(static_cast<uint32_t>(windowing.ReadLong(handle, GWL_STYLE)) & WS_POPUP);
    DestroyWindow(window);
}

}  // namespace
}  // namespace plivant::wine
