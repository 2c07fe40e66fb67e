#pragma once
// A window timer that knows whether it is enabled (the property a form sets) apart from
// whether it is armed: a tick disarms it while it runs and re-arms it only when still enabled.
#include <windows.h>

namespace ui {

class Timer {
public:
    void Attach(HWND hwnd, UINT_PTR id) { hwnd_ = hwnd, id_ = id; }
    UINT_PTR id() const { return id_; }

    void Enable(UINT intervalMs);  // enabled and armed
    void Disable();                // neither
    void Suspend();                // disarmed, stays enabled
    void Resume(UINT delayMs);     // armed to fire every delayMs, if still enabled

    bool enabled() const { return enabled_; }
    bool armed() const { return armed_; }
    UINT interval() const { return interval_; }  // of the last arming

private:
    HWND hwnd_ = nullptr;
    UINT_PTR id_ = 0;
    bool enabled_ = false;
    bool armed_ = false;
    UINT interval_ = 0;
};

}  // namespace ui
