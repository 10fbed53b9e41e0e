#include "lockkeys/LockKeyCheck.h"

namespace keystead::lockkeys {

namespace {

// What GetKeyState gives for a key that is not held down: bit 0 is the toggle state.
// A held key has bit 15 set, is negative, and matches neither, so it is never flipped.
constexpr std::int16_t kToggledOff = 0;
constexpr std::int16_t kToggledOn = 1;

bool Disagrees(LockMode mode, std::int16_t state) {
    return (mode == kForceOff && state == kToggledOn) || (mode == kForceOn && state == kToggledOff);
}

void Stroke(Keyboard& keyboard, std::uint8_t virtualKey) {
    keyboard.KeybdEvent(virtualKey, 0, 0, kOwnKeystrokeTag);
    keyboard.KeybdEvent(virtualKey, 0, kKeyEventKeyUp, kOwnKeystrokeTag);
}

}  // namespace

bool Unsettled(LockMode mode, std::int16_t state) {
    return (mode == kForceOff || mode == kForceOn) && (state < 0 || Disagrees(mode, state));
}

CheckResult CheckLockKeys(Keyboard& keyboard, const Settings& settings,
                          const ShiftTurnsOffCapsLock& shiftTurnsOffCapsLock, KeySet keys) {
    // Read all three before touching any, so a flip never changes what another key reads.
    CheckResult result;
    auto& [flips, states] = result;
    for (std::size_t i = 0; i < kLockKeyCount; ++i) {
        states[i] = keyboard.GetKeyState(kLockKeys[i].virtualKey);
    }
    for (std::size_t i = 0; i < kLockKeyCount; ++i) {
        const LockKey& key = kLockKeys[i];
        if (!keys.test(i) || !Disagrees(ModeOf(settings, i), states[i])) {
            continue;
        }
        // With Windows set to turn Caps Lock off with Shift, a Caps Lock stroke would only
        // leave it on, and the check would press it again at every tick, forever.
        bool byShift = key.virtualKey == kVkCapital && states[i] == kToggledOn &&
                       shiftTurnsOffCapsLock && shiftTurnsOffCapsLock();
        flips[i] = byShift ? kVkShift : key.virtualKey;
        Stroke(keyboard, flips[i]);
    }
    return result;
}

}  // namespace keystead::lockkeys
