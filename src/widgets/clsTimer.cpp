// clsTimer: routing of the system's ticks to the object that started the timer.
#include "widgets/clsTimer.h"

#include "widgets/CursorOver.h"

namespace plivant {

namespace {
// Window timers are identified by window and number; each object numbers its own so that two objects sharing
// an owner window do not replace each other's timer. Thread timers are numbered by the system.
uintptr_t NextWindowTimerId() {
    static uintptr_t next = 0x5100;
    return ++next;
}
}  // namespace

clsTimer::clsTimer(platform::IWindowing& windowing) : windowing_(windowing), routing_(std::make_shared<Routing>()) {
    routing_->target = this;
}

clsTimer::~clsTimer() {
    StopTimer();
    routing_->target = nullptr;
    routing_->waiting = false;
}

void clsTimer::SetInterval(int16_t value) {
    if (value == interval_) return;
    interval_ = value;
    if (running_) {
        windowing_.StopTimer(armedWindow_, timerId_);
        Arm(interval_);
    }
}

void clsTimer::SetHwnd(platform::WindowHandle value) {
    if (!running_) hwnd_ = value;
}

void clsTimer::StartTimer(int16_t int_interval) {
    if (running_) return;
    tickCount_ = 0;
    running_ = true;
    Arm(int_interval >= 1 && int_interval != interval_ ? int_interval : interval_);
}

void clsTimer::Arm(int16_t period) {
    armedWindow_ = hwnd_;
    const std::weak_ptr<Routing> link = routing_;
    auto callback = [link](platform::WindowHandle window, uint32_t message, uintptr_t id, uint32_t time) {
        const auto routing = link.lock();
        if (routing && routing->target) routing->target->TimerProc(window, message, id, time);
    };
    // A period below 1 (an Interval set to 0 or less) is handed to the system as it is: the system then uses
    // its shortest period.
    const uint32_t elapse = period > 0 ? static_cast<uint32_t>(period) : 0;
    timerId_ = windowing_.StartTimer(hwnd_, hwnd_ ? NextWindowTimerId() : 0, elapse, std::move(callback));
    if (timerId_ == 0) running_ = false;  // the system refused: nothing runs, and nothing waits for it
}

void clsTimer::StopTimer() {
    if (!running_) return;
    windowing_.StopTimer(armedWindow_, timerId_);
    running_ = false;
}

void clsTimer::Wait(int16_t int_interval) {
    const std::shared_ptr<Routing> routing = routing_;
    routing->waiting = true;
    StartTimer(int_interval);
    if (!running_) {
        routing->waiting = false;
        return;
    }
    // A handler run from here may destroy this object; the routing outlives it and ends the wait. A request to end
    // the program ends it too: no tick comes while the request waits in the queue, which keeps it for the main loop.
    while (routing->waiting && !windowing_.QuitRequested()) windowing_.ProcessPendingMessages();
    if (routing->target) StopTimer();
}

bool clsTimer::isMouseOver(platform::WindowHandle window) {
    return CursorIsOver(windowing_, window);
}

void clsTimer::TimerProc(platform::WindowHandle, uint32_t, uintptr_t, uint32_t DwTime) {
    ++tickCount_;
    // OnTime may destroy this object, its handler included: keep both alive for the call.
    const std::shared_ptr<Routing> routing = routing_;
    const auto handler = OnTime;
    if (handler) handler(tickCount_, static_cast<int32_t>(DwTime));
    routing->waiting = false;
}

}  // namespace plivant
