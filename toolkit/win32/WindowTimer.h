#pragma once

#include <windows.h>

#include "toolkit/Timer.h"

namespace keystead::toolkit::win32 {

// Drives a toolkit Timer with a window timer: WM_TIMER on the window's message loop.
class WindowTimer final : public TimerDriver {
public:
    void Attach(HWND window) { window_ = window; }
    void Start(std::uint32_t milliseconds) override;
    void Stop() override;
    // Whether a WM_TIMER with this wParam is this timer's.
    static bool Owns(WPARAM timerId) { return timerId == kTimerId; }

private:
    static constexpr UINT_PTR kTimerId = 1;
    HWND window_ = nullptr;
};

}  // namespace keystead::toolkit::win32
