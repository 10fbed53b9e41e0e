#pragma once

#include <cstdint>
#include <functional>

namespace keystead::toolkit {

// What a platform gives a timer: a periodic callback on the UI thread.
class TimerDriver {
public:
    virtual ~TimerDriver() = default;
    // Starts, or restarts with a fresh period, firing every `milliseconds` (> 0).
    virtual void Start(std::uint32_t milliseconds) = 0;
    virtual void Stop() = 0;
};

// A window timer: fires on the message loop every Interval milliseconds while Enabled.
class Timer {
public:
    static constexpr std::int32_t kDefaultInterval = 1000;
    static constexpr std::int32_t kMaxInterval = 65535;

    explicit Timer(TimerDriver& driver) : driver_(driver) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    std::int32_t Interval() const { return interval_; }
    // Refuses (false) an interval outside 0..65535 and keeps the old one. 0 never fires.
    bool SetInterval(std::int64_t milliseconds);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    void SetHandler(std::function<void()> handler) { handler_ = std::move(handler); }

    // Called by the driver at each period.
    void Fire();

private:
    void Restart();

    TimerDriver& driver_;
    std::function<void()> handler_;
    std::int32_t interval_ = kDefaultInterval;
    bool enabled_ = false;
};

}  // namespace keystead::toolkit
