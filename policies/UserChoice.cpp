#include "policies/UserChoice.h"

namespace keystead::policies {

void UserChoice::Keep(const Policies& rules, const lockkeys::Settings& inForce,
                      const toolkit::Timer& timer) {
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        if (!rules.modes[key]) {
            lockkeys::ModeOf(settings_, key) = lockkeys::ModeOf(inForce, key);
        }
    }
    if (!rules.interval) {
        interval_.SetInterval(timer.Interval());
    }
    if (!rules.StartUpFixed()) {
        settings_.AutoRun = inForce.AutoRun;
    }
}

void PutInForce(const Policies& rules, const UserChoice& own, lockkeys::Settings& inForce,
                toolkit::Timer& timer) {
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        lockkeys::ModeOf(inForce, key) =
            rules.modes[key].value_or(lockkeys::ModeOf(own.Settings(), key));
    }
    const std::int32_t interval = rules.interval.value_or(own.Interval().Interval());
    if (timer.Interval() != interval) {
        timer.SetInterval(interval);  // a new interval restarts the period
    }
    const std::optional<bool> startUp = rules.StartUpFixed();
    inForce.AutoRun =
        startUp ? (*startUp ? lockkeys::kTrue : lockkeys::kFalse) : own.Settings().AutoRun;
}

}  // namespace keystead::policies
