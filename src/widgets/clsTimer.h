// clsTimer: a system timer without a window or timer control; raises OnTime on every tick, offers a Wait
// that re-enters the message loop until the next tick, and tells whether the cursor is over a window.
#pragma once
#include <cstdint>
#include <memory>

#include "platform/Windowing.h"
#include "ui/Handler.h"

namespace plivant {

class clsTimer {
public:
    explicit clsTimer(platform::IWindowing& windowing);
    ~clsTimer();
    clsTimer(const clsTimer&) = delete;
    clsTimer& operator=(const clsTimer&) = delete;

    int16_t Interval() const { return interval_; }
    // A different value re-arms a running timer with it; the same value does nothing.
    void SetInterval(int16_t value);
    platform::WindowHandle hwnd() const { return hwnd_; }
    // Ignored while the timer runs.
    void SetHwnd(platform::WindowHandle value);
    int32_t TickCount() const { return tickCount_; }
    bool Running() const { return running_; }

    void StartTimer(int16_t int_interval = 0);
    void StopTimer();
    // Starts the timer and lets messages run until its next tick, then stops it.
    void Wait(int16_t int_interval = 0);
    bool isMouseOver(platform::WindowHandle window);

    // Event: the tick count since the last StartTimer and the system time of the tick.
    ui::Handler<void(int32_t Int_Ticks, int32_t DwTime)> OnTime;

private:
    // What the system's callback reaches: cleared when the object goes, so a late tick finds nobody.
    struct Routing {
        clsTimer* target = nullptr;
        bool waiting = false;
    };

    void TimerProc(platform::WindowHandle hwnd, uint32_t uMsg, uintptr_t idEvent, uint32_t DwTime);
    void Arm(int16_t period);

    platform::IWindowing& windowing_;
    int16_t interval_ = 1000;
    int32_t tickCount_ = 0;
    bool running_ = false;
    platform::WindowHandle hwnd_ = 0;
    platform::WindowHandle armedWindow_ = 0;
    uintptr_t timerId_ = 0;
    std::shared_ptr<Routing> routing_;
};

}  // namespace plivant
