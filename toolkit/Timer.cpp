#include "toolkit/Timer.h"

namespace keystead::toolkit {

bool Timer::SetInterval(std::int64_t milliseconds) {
    if (milliseconds < 0 || milliseconds > kMaxInterval) {
        return false;
    }
    interval_ = static_cast<std::int32_t>(milliseconds);
    Restart();
    return true;
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void Timer::Fire() {
    // A period that was already queued when the timer stopped must not run the handler.
    if (enabled_ && interval_ != 0 && handler_) {
        handler_();
    }
}

void Timer::Restart() {
    // Windows would turn a zero period into about 10 ms; zero means "never" here.
    if (enabled_ && interval_ != 0) {
        driver_.Start(static_cast<std::uint32_t>(interval_));
    } else {
        driver_.Stop();
    }
}

}  // namespace keystead::toolkit
