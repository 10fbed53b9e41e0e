#pragma once

#include <windows.h>

#include "toolkit/Timer.h"

namespace keystead::toolkit::win32 {

// Drives a toolkit Timer with a window timer: WM_TIMER on the window's message loop. Each
// timer of a window has an id of its own, so that one never restarts or stops another.
class WindowTimer final : public TimerDriver {
public:
    // Each timer of a window needs an id of its own: SetTimer with an id already in use
    // replaces that timer.
    explicit WindowTimer(UINT_PTR id = 1) : id_(id) {}
    void Attach(HWND window) { window_ = window; }
    void Start(std::uint32_t milliseconds) override;
    void Stop() override;
    // Whether a WM_TIMER with this wParam is this timer's.
    bool Owns(WPARAM timerId) const { return timerId == id_; }

private:
    UINT_PTR id_;
    HWND window_ = nullptr;
};

}  // namespace keystead::toolkit::win32
