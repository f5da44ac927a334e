// A simulated window manager: window records with position, visibility, styles and regions, a cursor that
// tests place, and a clock with system timers that moves only when a test advances it.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Windowing.h"

namespace plivant::platform::sim {

class SimWindowing final : public IWindowing {
public:
    // The desktop window's handle, which SetParent reports as the previous parent of a top-level window.
    static constexpr WindowHandle kDesktop = 0x10004;

    struct Message {
        WindowHandle window;
        uint32_t message;
        uintptr_t wParam;
        std::vector<int32_t> lParamInts;  // the 32-bit values lParam pointed at, for array messages
        std::string lParamText;           // the text lParam pointed at, for messages that carry a path
    };
    struct Placement {
        WindowHandle window, insertAfter;
        int32_t x, y, cx, cy;
        uint32_t flags;
    };
    struct Window {
        WindowHandle parent = 0;
        Rect bounds;  // relative to the parent's client area; screen coordinates for a top-level window
        bool visible = true;
        int32_t style = 0;
        int32_t exStyle = 0;
        std::optional<Region> region;
        std::string className;
        std::string title;
    };

    intptr_t Send(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    int32_t ReadLong(WindowHandle window, int32_t index) override;
    int32_t WriteLong(WindowHandle window, int32_t index, int32_t value) override;
    bool Place(WindowHandle window, WindowHandle insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy,
               uint32_t flags) override;
    bool ApplyRegion(WindowHandle window, const Region& region, bool redraw) override;
    std::optional<Point> CursorPosition() override { return cursor; }
    bool MoveCursor(Point position) override;
    WindowHandle WindowAt(Point position) override;
    std::optional<Rect> WindowRect(WindowHandle window) override;
    std::optional<Rect> MonitorRect(WindowHandle window) override;
    bool ReleaseMouseCapture() override;
    uintptr_t StartTimer(WindowHandle window, uintptr_t id, uint32_t elapse, TimerCallback callback) override;
    bool StopTimer(WindowHandle window, uintptr_t id) override;
    void ProcessPendingMessages() override;
    bool QuitRequested() override { return quitRequested; }
    WindowHandle FindTopLevel(const std::string& className, const std::string& title) override;
    WindowHandle Reparent(WindowHandle child, WindowHandle newParent) override;

    // Windows. Handles are given out in creation order; a later window lies above an earlier one.
    WindowHandle AddWindow(WindowHandle parent, Rect bounds, bool visible = true);
    void RemoveWindow(WindowHandle window);  // with its children and their timers
    void SetBounds(WindowHandle window, Rect bounds);
    void SetVisible(WindowHandle window, bool visible);
    void SetClass(WindowHandle window, const std::string& className, const std::string& title);
    const Window* Find(WindowHandle window) const;
    bool Topmost(WindowHandle window) const;
    int WindowCount() const { return static_cast<int>(windows_.size()); }

    // The clock: advancing it delivers every tick that falls due, in time order.
    uint32_t Now() const { return now_; }
    void Advance(uint32_t milliseconds);
    int ActiveTimers() const { return static_cast<int>(timers_.size()); }
    std::optional<uint32_t> TimerPeriod(WindowHandle window, uintptr_t id) const;

    std::vector<Rect> monitors{{0, 0, 1024, 768}};  // the primary first
    Point cursor{};
    std::function<void()> onPump;  // run by every pass of pending messages; tests advance the clock here
    int pumps = 0;
    bool quitRequested = false;  // a request to end the program waits in the queue
    int captureReleases = 0;
    std::vector<Message> sent;
    std::vector<Placement> placements;
    std::vector<std::pair<WindowHandle, Window>> shown;  // each window as it was when it became visible
    intptr_t result = 1;

private:
    struct Timer {
        WindowHandle window;
        uintptr_t id;
        uint32_t elapse;
        uint64_t due;
        TimerCallback callback;
    };
    bool EffectivelyVisible(WindowHandle window) const;
    Window* Lookup(WindowHandle window);

    std::map<WindowHandle, Window> windows_;
    WindowHandle nextWindow_ = 0x10010;
    std::map<uint64_t, Timer> timers_;  // by start order, which breaks ties between ticks due together
    uint64_t nextSerial_ = 1;
    uintptr_t nextThreadTimer_ = 1;
    uint64_t now_ = 0;
};

}  // namespace plivant::platform::sim
