#pragma once

#include <cstdint>

#include "lockkeys/Settings.h"
#include "policies/Policies.h"
#include "toolkit/Timer.h"

namespace keystead::policies {

// The user's own choices, which the settings file keeps while an administrator's rule puts
// another value in force, so that they come back when the rule goes. The interval is held in
// a timer that never runs: the form in which the settings file takes it.
class UserChoice {
public:
    // Takes from what is in force every setting that no rule covers.
    void Keep(const Policies& rules, const lockkeys::Settings& inForce,
              const toolkit::Timer& timer);
    const lockkeys::Settings& Settings() const { return settings_; }
    const toolkit::Timer& Interval() const { return interval_; }

private:
    class NoDriver final : public toolkit::TimerDriver {
        void Start(std::uint32_t) override {}
        void Stop() override {}
    };
    lockkeys::Settings settings_;
    NoDriver driver_;
    toolkit::Timer interval_{driver_};
};

// Puts each rule into force, and the user's own choice where there is none.
void PutInForce(const Policies& rules, const UserChoice& own, lockkeys::Settings& inForce,
                toolkit::Timer& timer);

}  // namespace keystead::policies
