#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>

#include "lockkeys/Keyboard.h"
#include "lockkeys/LockKeys.h"
#include "lockkeys/Settings.h"

namespace keystead::lockkeys {

// Keys by their place in kLockKeys.
using KeySet = std::bitset<kLockKeyCount>;
// Per key by its place in kLockKeys, the key typed to flip it (itself, or Shift for Caps
// Lock), or 0 where nothing was typed.
using Flips = std::array<std::uint8_t, kLockKeyCount>;

// Whether Windows is set to turn Caps Lock off with Shift ("To turn off Caps Lock: Press the
// SHIFT key"); then a Caps Lock stroke can only turn it on. Windows announces no change of
// the setting, so the check asks each time it is about to turn Caps Lock off.
using ShiftTurnsOffCapsLock = std::function<bool()>;

// What one check read, before any stroke, and what it typed.
struct CheckResult {
    Flips flips{};
    std::array<std::int16_t, kLockKeyCount> states{};
};

// Whether a key in this state is not yet as its mode wants it: a forced key that disagrees,
// or that is held down, so that its toggle state is not known until it is released.
bool Unsettled(LockMode mode, std::int16_t state);

// One check of the three lock keys: every key in `keys` whose toggle state disagrees with a
// forced mode gets one press and one release, which flips it back; Caps Lock is turned off
// with Shift instead when Windows is set so. Every stroke carries kOwnKeystrokeTag.
CheckResult CheckLockKeys(Keyboard& keyboard, const Settings& settings,
                          const ShiftTurnsOffCapsLock& shiftTurnsOffCapsLock = {},
                          KeySet keys = KeySet().set());

}  // namespace keystead::lockkeys
