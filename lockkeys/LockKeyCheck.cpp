#include "lockkeys/LockKeyCheck.h"

#include <array>
#include <cstdint>

namespace keystead::lockkeys {

namespace {

// What GetKeyState gives for a key that is not held down: bit 0 is the toggle state.
// A held key has bit 15 set, is negative, and matches neither, so it is never flipped.
constexpr std::int16_t kToggledOff = 0;
constexpr std::int16_t kToggledOn = 1;

bool Disagrees(LockMode mode, std::int16_t state) {
    return (mode == kForceOff && state == kToggledOn) || (mode == kForceOn && state == kToggledOff);
}

}  // namespace

void CheckLockKeys(Keyboard& keyboard, const Settings& settings) {
    struct Key {
        std::uint8_t virtualKey;
        LockMode mode;
    };
    const std::array<Key, 3> keys = {{
        {kVkCapital, settings.CapsLockMode},
        {kVkNumLock, settings.NumLockMode},
        {kVkScroll, settings.ScrollLockMode},
    }};

    // Read all three before touching any, so a flip never changes what another key reads.
    std::array<std::int16_t, 3> states{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        states[i] = keyboard.GetKeyState(keys[i].virtualKey);
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (Disagrees(keys[i].mode, states[i])) {
            keyboard.KeybdEvent(keys[i].virtualKey, 0, 0, 0);
            keyboard.KeybdEvent(keys[i].virtualKey, 0, kKeyEventKeyUp, 0);
        }
    }
}

}  // namespace keystead::lockkeys
