#include "lockkeys/Enforcer.h"

#include <utility>

namespace keystead::lockkeys {

Enforcer::Enforcer(Keyboard& keyboard, Clock clock, ShiftTurnsOffCapsLock shiftTurnsOffCapsLock)
    : keyboard_(keyboard),
      clock_(std::move(clock)),
      shiftTurnsOffCapsLock_(std::move(shiftTurnsOffCapsLock)) {}

bool Enforcer::Pending(std::size_t key, std::int64_t now) const {
    return pending_[key] && now - pending_[key]->time < kOwnStrokeTimeoutMs;
}

void Enforcer::TimerCheck(const Settings& settings) {
    Check(settings, KeySet().set(), clock_());
}

Flips Enforcer::Check(const Settings& settings, KeySet keys, std::int64_t now) {
    Flips flips = CheckLockKeys(keyboard_, settings, shiftTurnsOffCapsLock_, keys);
    for (std::size_t i = 0; i < kLockKeyCount; ++i) {
        if (flips[i] != 0) {
            pending_[i] = OwnStroke{flips[i], now};
        }
    }
    return flips;
}

void Enforcer::KeyReleased(int virtualKey, std::uint32_t extraInformation,
                           const Settings& settings) {
    if (extraInformation != kOwnKeystrokeTag) {
        if (LockKeyIndex(virtualKey) < kLockKeyCount) {
            CheckNow(settings);
        }
        return;
    }
    // One of ours came back: the key state shows it now.
    for (std::optional<OwnStroke>& stroke : pending_) {
        if (stroke && stroke->virtualKey == virtualKey) {
            stroke.reset();
        }
    }
}

void Enforcer::CheckNow(const Settings& settings) {
    const std::int64_t now = clock_();
    KeySet allowed;
    for (std::size_t i = 0; i < kLockKeyCount; ++i) {
        std::deque<std::int64_t>& times = instantCorrections_[i];
        while (!times.empty() && now - times.front() >= kInstantWindowMs) {
            times.pop_front();
        }
        allowed.set(i, !Pending(i, now) && times.size() < static_cast<std::size_t>(kInstantLimit));
    }
    Flips flips = Check(settings, allowed, now);
    for (std::size_t i = 0; i < kLockKeyCount; ++i) {
        if (flips[i] != 0) {
            instantCorrections_[i].push_back(now);
        }
    }
}

}  // namespace keystead::lockkeys
