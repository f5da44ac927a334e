// Port: windowing calls on existing windows: messages, styles, placement, regions, the cursor, capture,
// system timers and one pass of the pending messages.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace plivant::platform {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive, as in a Win32 RECT.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A window region as the union of its rectangles, in window coordinates.
using Region = std::vector<Rect>;

// What a system timer's callback receives: the window, the message (WM_TIMER), the timer's identifier
// and the system time of the tick in milliseconds.
using TimerCallback = std::function<void(WindowHandle window, uint32_t message, uintptr_t id, uint32_t time)>;

class IWindowing {
public:
    virtual ~IWindowing() = default;
    // SendMessageA.
    virtual intptr_t Send(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    // GetWindowLongA / SetWindowLongA (the latter returns the previous value, 0 on failure).
    virtual int32_t ReadLong(WindowHandle window, int32_t index) = 0;
    virtual int32_t WriteLong(WindowHandle window, int32_t index, int32_t value) = 0;
    // SetWindowPos, in pixels.
    virtual bool Place(WindowHandle window, WindowHandle insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy,
                       uint32_t flags) = 0;
    // CreateRectRgn for the first rectangle, CombineRgn (RGN_OR) of the others into it, SetWindowRgn. The
    // window owns the region afterwards; on failure no region handle is left behind.
    virtual bool ApplyRegion(WindowHandle window, const Region& region, bool redraw) = 0;
    // GetCursorPos / SetCursorPos, screen pixels.
    virtual std::optional<Point> CursorPosition() = 0;
    virtual bool MoveCursor(Point position) = 0;
    // WindowFromPoint: the deepest visible window at the point, 0 when none.
    virtual WindowHandle WindowAt(Point position) = 0;
    // GetWindowRect: the window's rectangle on the screen.
    virtual std::optional<Rect> WindowRect(WindowHandle window) = 0;
    // MonitorFromWindow (the nearest) and GetMonitorInfoA: the screen rectangle of the monitor that holds most of the
    // window, or the one nearest to it.
    virtual std::optional<Rect> MonitorRect(WindowHandle window) = 0;
    // ReleaseCapture.
    virtual bool ReleaseMouseCapture() = 0;
    // SetTimer with a callback. A thread timer (window 0) gets a new identifier from the system; a window
    // timer uses the given one and replaces a timer of the same window and identifier. Returns the identifier
    // with which StopTimer stops it, 0 on failure. Ticks arrive through the message loop; none arrives for a
    // timer after StopTimer.
    virtual uintptr_t StartTimer(WindowHandle window, uintptr_t id, uint32_t elapse, TimerCallback callback) = 0;
    // KillTimer.
    virtual bool StopTimer(WindowHandle window, uintptr_t id) = 0;
    // Lets the messages waiting in this thread's queue run once, then returns (what DoEvents does). A request to
    // end the program (WM_QUIT) stays in the queue for the main loop.
    virtual void ProcessPendingMessages() = 0;
    // Whether the program has been asked to end (a WM_QUIT waits): a loop that waits for a tick gives way to it,
    // since no tick comes while the request waits.
    virtual bool QuitRequested() { return false; }
    // FindWindowA: the top-level window of the class with the title; 0 when there is none. (A port that does not
    // know other windows finds none.)
    virtual WindowHandle FindTopLevel(const std::string&, const std::string&) { return 0; }
    // SetParent: returns the previous parent, 0 on failure.
    virtual WindowHandle Reparent(WindowHandle, WindowHandle) { return 0; }
};

}  // namespace plivant::platform
