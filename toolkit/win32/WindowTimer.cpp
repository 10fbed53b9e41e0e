#include "toolkit/win32/WindowTimer.h"

namespace keystead::toolkit::win32 {

void WindowTimer::Start(std::uint32_t milliseconds) {
    if (window_ != nullptr) {
        SetTimer(window_, id_, milliseconds, nullptr);  // replaces a running one
    }
}

void WindowTimer::Stop() {
    if (window_ != nullptr) {
        KillTimer(window_, id_);
    }
}

}  // namespace keystead::toolkit::win32
