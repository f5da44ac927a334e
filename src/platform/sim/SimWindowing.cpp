// The simulated window manager and clock.
#include "platform/sim/SimWindowing.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/WinConst.h"

namespace plivant::platform::sim {

namespace {
// SetTimer raises a shorter period to USER_TIMER_MINIMUM and lowers a longer one to USER_TIMER_MAXIMUM.
constexpr uint32_t kTimerMinimum = 0xA;
constexpr uint32_t kTimerMaximum = 0x7FFFFFFF;
}  // namespace

intptr_t SimWindowing::Send(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    Message record{window, message, wParam, {}, {}};
    if (message == win::kLbSetTabStops && lParam != 0) {
        const auto* values = reinterpret_cast<const int32_t*>(lParam);
        record.lParamInts.assign(values, values + wParam);
    }
    if (message == win::kBffmSetSelectionA && wParam != 0 && lParam != 0) {
        record.lParamText = reinterpret_cast<const char*>(lParam);
    }
    sent.push_back(record);
    return result;
}

SimWindowing::Window* SimWindowing::Lookup(WindowHandle window) {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

const SimWindowing::Window* SimWindowing::Find(WindowHandle window) const {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

int32_t SimWindowing::ReadLong(WindowHandle window, int32_t index) {
    const Window* w = Find(window);
    if (!w) return 0;
    if (index == win::kGwlStyle) return w->style;
    if (index == win::kGwlExStyle) return w->exStyle;
    return 0;
}

int32_t SimWindowing::WriteLong(WindowHandle window, int32_t index, int32_t value) {
    Window* w = Lookup(window);
    if (!w) return 0;
    int32_t* slot = index == win::kGwlStyle ? &w->style : index == win::kGwlExStyle ? &w->exStyle : nullptr;
    if (!slot) return 0;
    return std::exchange(*slot, value);
}

bool SimWindowing::Place(WindowHandle window, WindowHandle insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy,
                         uint32_t flags) {
    placements.push_back({window, insertAfter, x, y, cx, cy, flags});
    Window* w = Lookup(window);
    if (!w) return false;
    if (!(flags & win::kSwpNoMove)) w->bounds = Rect{x, y, x + w->bounds.Width(), y + w->bounds.Height()};
    if (!(flags & win::kSwpNoSize)) {
        w->bounds.right = w->bounds.left + cx;
        w->bounds.bottom = w->bounds.top + cy;
    }
    if (!(flags & win::kSwpNoZOrder) && w->parent == 0) {
        if (insertAfter == win::kHwndTopmost) w->exStyle |= static_cast<int32_t>(win::kWsExTopmost);
        if (insertAfter == win::kHwndNoTopmost) w->exStyle &= ~static_cast<int32_t>(win::kWsExTopmost);
    }
    if (flags & win::kSwpShowWindow) w->visible = true;
    return true;
}

bool SimWindowing::ApplyRegion(WindowHandle window, const Region& region, bool) {
    Window* w = Lookup(window);
    if (!w || region.empty()) return false;
    w->region = region;
    return true;
}

bool SimWindowing::MoveCursor(Point position) {
    cursor = position;
    return true;
}

bool SimWindowing::EffectivelyVisible(WindowHandle window) const {
    for (const Window* w = Find(window); w; w = Find(w->parent)) {
        if (!w->visible) return false;
        if (w->parent == 0) return true;
    }
    return false;
}

std::optional<Rect> SimWindowing::WindowRect(WindowHandle window) {
    const Window* w = Find(window);
    if (!w) return std::nullopt;
    Rect r = w->bounds;
    for (const Window* p = Find(w->parent); p; p = Find(p->parent)) {
        r.left += p->bounds.left;
        r.right += p->bounds.left;
        r.top += p->bounds.top;
        r.bottom += p->bounds.top;
    }
    return r;
}

std::optional<Rect> SimWindowing::MonitorRect(WindowHandle window) {
    const auto r = WindowRect(window);
    if (!r || monitors.empty()) return std::nullopt;
    // The largest share of the window; on none, the least distance from it.
    const auto score = [&](const Rect& m) -> int64_t {
        const int64_t w = std::min(r->right, m.right) - std::max(r->left, m.left);
        const int64_t h = std::min(r->bottom, m.bottom) - std::max(r->top, m.top);
        return w > 0 && h > 0 ? w * h : std::min<int64_t>(w, 0) + std::min<int64_t>(h, 0);
    };
    return *std::max_element(monitors.begin(), monitors.end(),
                             [&](const Rect& a, const Rect& b) { return score(a) < score(b); });
}

WindowHandle SimWindowing::WindowAt(Point position) {
    const auto inside = [&](WindowHandle h) {
        const auto r = WindowRect(h);
        return r && position.x >= r->left && position.x < r->right && position.y >= r->top && position.y < r->bottom;
    };
    // Later windows lie above earlier ones; a window is found only where its parents are too.
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        const WindowHandle h = it->first;
        if (!EffectivelyVisible(h)) continue;
        bool hit = true;
        for (WindowHandle a = h; a != 0 && hit; a = Find(a)->parent) hit = inside(a);
        if (hit) return h;
    }
    return 0;
}

bool SimWindowing::ReleaseMouseCapture() {
    ++captureReleases;
    return true;
}

uintptr_t SimWindowing::StartTimer(WindowHandle window, uintptr_t id, uint32_t elapse, TimerCallback callback) {
    if (window != 0 && !Find(window)) return 0;
    elapse = std::clamp(elapse, kTimerMinimum, kTimerMaximum);
    if (window == 0) {
        id = nextThreadTimer_++;
    } else {
        std::erase_if(timers_, [&](const auto& t) { return t.second.window == window && t.second.id == id; });
    }
    timers_.emplace(nextSerial_++, Timer{window, id, elapse, now_ + elapse, std::move(callback)});
    return id;
}

bool SimWindowing::StopTimer(WindowHandle window, uintptr_t id) {
    return std::erase_if(timers_, [&](const auto& t) { return t.second.window == window && t.second.id == id; }) > 0;
}

std::optional<uint32_t> SimWindowing::TimerPeriod(WindowHandle window, uintptr_t id) const {
    for (const auto& [serial, t] : timers_) {
        if (t.window == window && t.id == id) return t.elapse;
    }
    return std::nullopt;
}

void SimWindowing::ProcessPendingMessages() {
    ++pumps;
    if (onPump) onPump();
}

void SimWindowing::Advance(uint32_t milliseconds) {
    const uint64_t target = now_ + milliseconds;
    for (;;) {
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it) {
            if (it->second.due <= target && (next == timers_.end() || it->second.due < next->second.due)) next = it;
        }
        if (next == timers_.end()) break;
        Timer& t = next->second;
        now_ = std::max(now_, t.due);
        t.due += t.elapse;
        // The callback may stop this timer or start others: call a copy.
        const TimerCallback callback = t.callback;
        const WindowHandle window = t.window;
        const uintptr_t id = t.id;
        callback(window, win::kWmTimer, id, static_cast<uint32_t>(now_));
    }
    now_ = std::max(now_, target);
}

WindowHandle SimWindowing::AddWindow(WindowHandle parent, Rect bounds, bool visible) {
    const WindowHandle handle = nextWindow_;
    nextWindow_ += 4;
    windows_[handle] = Window{parent, bounds, visible, 0, 0, std::nullopt, {}, {}};
    return handle;
}

void SimWindowing::RemoveWindow(WindowHandle window) {
    std::vector<WindowHandle> children;
    for (const auto& [h, w] : windows_) {
        if (w.parent == window) children.push_back(h);
    }
    for (WindowHandle child : children) RemoveWindow(child);
    std::erase_if(timers_, [&](const auto& t) { return t.second.window == window; });
    windows_.erase(window);
}

void SimWindowing::SetBounds(WindowHandle window, Rect bounds) {
    if (Window* w = Lookup(window)) w->bounds = bounds;
}

void SimWindowing::SetVisible(WindowHandle window, bool visible) {
    Window* w = Lookup(window);
    if (!w) return;
    if (visible && !w->visible) shown.emplace_back(window, *w);
    w->visible = visible;
}

void SimWindowing::SetClass(WindowHandle window, const std::string& className, const std::string& title) {
    if (Window* w = Lookup(window)) {
        w->className = className;
        w->title = title;
    }
}

WindowHandle SimWindowing::FindTopLevel(const std::string& className, const std::string& title) {
    // Class names compare without regard to case, titles exactly.
    const auto lower = [](std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    for (const auto& [h, w] : windows_) {
        if (w.parent == 0 && lower(w.className) == lower(className) && w.title == title) return h;
    }
    return 0;
}

WindowHandle SimWindowing::Reparent(WindowHandle child, WindowHandle newParent) {
    Window* w = Lookup(child);
    if (!w || (newParent != 0 && !Find(newParent))) return 0;
    const WindowHandle previous = w->parent;
    w->parent = newParent;
    // Without a parent of its own a window's previous parent is the desktop; 0 would read as failure.
    return previous != 0 ? previous : kDesktop;
}

bool SimWindowing::Topmost(WindowHandle window) const {
    const Window* w = Find(window);
    return w && (w->exStyle & static_cast<int32_t>(win::kWsExTopmost));
}

}  // namespace plivant::platform::sim
