#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "lockkeys/Keyboard.h"
#include "lockkeys/Settings.h"

namespace keystead::lockkeys {

// The three lock keys, in the order in which the check treats them. Everything that comes in
// threes (the check, the settings file, the window's option groups) goes by this table.
struct LockKey {
    std::uint8_t virtualKey;
    const char* iniKey;  // its line in the settings file
    LockMode defaultMode;
    LockMode Settings::*mode;  // where Settings keeps it
};

inline constexpr std::size_t kLockKeyCount = 3;
inline constexpr std::array<LockKey, kLockKeyCount> kLockKeys = {{
    {kVkCapital, "CapsLock", kForceOff, &Settings::CapsLockMode},
    {kVkNumLock, "NumLock", kForceOn, &Settings::NumLockMode},
    {kVkScroll, "ScrollLock", kForceOff, &Settings::ScrollLockMode},
}};

// The place of a virtual key in kLockKeys, or kLockKeyCount for any other key.
constexpr std::size_t LockKeyIndex(int virtualKey) {
    for (std::size_t i = 0; i < kLockKeyCount; ++i) {
        if (kLockKeys[i].virtualKey == virtualKey) {
            return i;
        }
    }
    return kLockKeyCount;
}

// The mode that Settings holds for the key at that place.
constexpr LockMode ModeOf(const Settings& settings, std::size_t index) {
    return settings.*kLockKeys[index].mode;
}

constexpr LockMode& ModeOf(Settings& settings, std::size_t index) {
    return settings.*kLockKeys[index].mode;
}

}  // namespace keystead::lockkeys
