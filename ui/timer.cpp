#include "ui/timer.h"

namespace ui {

void Timer::Enable(UINT intervalMs) {
    enabled_ = true;
    Resume(intervalMs);
}

void Timer::Disable() {
    enabled_ = false;
    Suspend();
}

void Timer::Suspend() {
    if (armed_ && hwnd_) KillTimer(hwnd_, id_);
    armed_ = false;
}

void Timer::Resume(UINT delayMs) {
    if (!enabled_ || !hwnd_) return;
    // SetTimer on an armed id replaces its interval; USER_TIMER_MINIMUM is 10 ms.
    interval_ = delayMs < USER_TIMER_MINIMUM ? USER_TIMER_MINIMUM : delayMs;
    armed_ = SetTimer(hwnd_, id_, interval_, nullptr) != 0;
}

}  // namespace ui
