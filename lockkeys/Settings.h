#pragma once

#include <cstdint>

namespace keystead::lockkeys {

// What the check does with one lock key. The value is also the index of the key's option
// button in the settings window. Other values (from a hand-edited settings file) leave the
// key alone, like AllowToggling.
using LockMode = std::int16_t;
inline constexpr LockMode kForceOff = 0;
inline constexpr LockMode kForceOn = 1;
inline constexpr LockMode kAllowToggling = 2;

// Flags kept in 16 bits: true is -1.
using Flag = std::int16_t;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

// The range of the check interval, in milliseconds, that the settings window and the
// administrator's rule allow (0 in the file turns the timer off).
inline constexpr int kMinInterval = 20;
inline constexpr int kMaxInterval = 60000;

// The applied settings. The check interval and the suspended state are the timer's own
// Interval and Enabled, not fields here.
struct Settings {
    LockMode CapsLockMode = 0;
    LockMode NumLockMode = 0;
    LockMode ScrollLockMode = 0;
    Flag AutoRun = kFalse;

    friend bool operator==(const Settings&, const Settings&) = default;
};

}  // namespace keystead::lockkeys
