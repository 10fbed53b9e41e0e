#include "lockkeys/Enforcer.h"

#include <algorithm>
#include <utility>

namespace keystead::lockkeys {

namespace {

constexpr std::size_t kCapsLock = LockKeyIndex(kVkCapital);

// Shift, Ctrl and Alt, also as the left and right keys that raw input may name.
constexpr std::uint8_t kModifiers[] = {0x10, 0x11, 0x12};
constexpr bool IsModifier(int virtualKey) {
    return (virtualKey >= 0x10 && virtualKey <= 0x12) || (virtualKey >= 0xA0 && virtualKey <= 0xA5);
}

constexpr bool IsForced(LockMode mode) {
    return mode == kForceOff || mode == kForceOn;
}

}  // namespace

Enforcer::Enforcer(Keyboard& keyboard, Clock clock, ShiftTurnsOffCapsLock shiftTurnsOffCapsLock,
                   std::function<void()> recheckSoon)
    : keyboard_(keyboard),
      clock_(std::move(clock)),
      shiftTurnsOffCapsLock_(std::move(shiftTurnsOffCapsLock)),
      recheckSoon_(std::move(recheckSoon)) {}

bool Enforcer::Pending(std::size_t key, std::int64_t now) const {
    return pending_[key] && now - pending_[key]->time < kOwnStrokeTimeoutMs;
}

bool Enforcer::ModifierHeld() {
    for (std::uint8_t key : kModifiers) {
        if (keyboard_.GetKeyState(key) < 0) {
            return true;
        }
    }
    return false;
}

// Asked only when Caps Lock is to be turned off.
bool Enforcer::CapsOffByShift() {
    if (!shiftTurnsOffCapsLock_ || !shiftTurnsOffCapsLock_()) {
        shiftFails_ = false;  // a new setting gets a new try
        return false;
    }
    if (shiftUnconfirmed_) {
        shiftFails_ = true;  // the last Shift left Caps Lock on
    }
    return !shiftFails_;
}

void Enforcer::TimerCheck(const Settings& settings) {
    Check(settings, KeySet().set(), clock_());
}

Flips Enforcer::Check(const Settings& settings, KeySet keys, std::int64_t now) {
    KeySet waiting;
    for (std::size_t i = 0; i < kLockKeyCount; ++i) {
        waiting.set(i, Pending(i, now));
    }
    if (IsForced(ModeOf(settings, kCapsLock)) && ModifierHeld()) {
        waiting.set(kCapsLock);
    }
    const CheckResult result = CheckLockKeys(
        keyboard_, settings, [this] { return CapsOffByShift(); }, keys & ~waiting);
    bool leftAlone = false;
    for (std::size_t i = 0; i < kLockKeyCount; ++i) {
        if (result.flips[i] != 0) {
            pending_[i] = OwnStroke{result.flips[i], now};
            // Whether Shift took is seen only once its stroke is back.
            checkOnReturn_.set(i, result.flips[i] == kVkShift);
        } else if (Pending(i, now) && IsForced(ModeOf(settings, i))) {
            // What it read may not show the stroke yet: look again once the stroke is back.
            checkOnReturn_.set(i);
            leftAlone = true;
        } else if (Unsettled(ModeOf(settings, i), result.states[i]) &&
                   (waiting.test(i) || result.states[i] < 0)) {
            leftAlone = true;  // held, or Caps Lock while Shift, Ctrl or Alt is held
        }
    }
    if (result.flips[kCapsLock] != 0) {
        shiftUnconfirmed_ = result.flips[kCapsLock] == kVkShift;
    } else if (result.states[kCapsLock] == 0) {
        shiftUnconfirmed_ = false;
    }
    if (leftAlone && recheckSoon_) {
        recheckSoon_();
    }
    if (corrected_ && result.flips != Flips{}) {
        corrected_(result.flips);
    }
    return result.flips;
}

void Enforcer::KeyReleased(int virtualKey, std::uint32_t extraInformation,
                           const Settings& settings) {
    if (extraInformation != kOwnKeystrokeTag) {
        if (LockKeyIndex(virtualKey) < kLockKeyCount || IsModifier(virtualKey)) {
            CheckNow(settings);
        }
        return;
    }
    // One of ours came back: the key state shows it now.
    bool check = false;
    for (std::size_t i = 0; i < kLockKeyCount; ++i) {
        if (pending_[i] && pending_[i]->virtualKey == virtualKey) {
            pending_[i].reset();
            check = check || checkOnReturn_.test(i);
            checkOnReturn_.reset(i);
        }
    }
    if (check) {
        CheckNow(settings);
    }
}

void Enforcer::CheckNow(const Settings& settings) {
    const std::int64_t now = clock_();
    KeySet allowed;
    for (std::size_t i = 0; i < kLockKeyCount; ++i) {
        const RecentCorrections& recent = instantCorrections_[i];
        const bool full = recent.count == recent.times.size();
        allowed.set(i, !full || now - recent.times[recent.next] >= kInstantWindowMs);
    }
    Flips flips = Check(settings, allowed, now);
    for (std::size_t i = 0; i < kLockKeyCount; ++i) {
        if (flips[i] != 0) {
            RecentCorrections& recent = instantCorrections_[i];
            recent.times[recent.next] = now;
            recent.next = (recent.next + 1) % recent.times.size();
            recent.count = std::min(recent.count + 1, recent.times.size());
        }
    }
}

}  // namespace keystead::lockkeys
