#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "lockkeys/Keyboard.h"
#include "lockkeys/LockKeyCheck.h"
#include "lockkeys/Settings.h"

namespace keystead::lockkeys {

// Runs the check of the lock keys: at each tick of the window's timer, and at once when a
// key may just have changed (a lock key, Shift, Ctrl or Alt released, the session unlocked,
// the machine resumed, a keyboard plugged in), so that a wrong state does not last until the
// next tick.
//
// Neither check touches a key that is held down, a key whose last correction is still on its
// way (so that one wrong state gets one flip), nor Caps Lock while Shift, Ctrl or Alt is held
// (a stroke typed then would change what the user's held key does). Such a key is checked
// again once the stroke comes back, and at most kRecheckMs later.
class Enforcer {
public:
    // Milliseconds since some fixed moment.
    using Clock = std::function<std::int64_t()>;

    // Something else may hold a key the other way at input speed (another such program, a
    // remote-desktop client re-syncing the keys). The checks made at once correct a key at
    // most this often; past that only the timer acts for it.
    static constexpr int kInstantLimit = 5;
    static constexpr std::int64_t kInstantWindowMs = 10000;
    // How long the key state may take to show the program's own strokes. Raw input reports
    // them back sooner, except where it is not delivered at all (Wine while no window has
    // the focus) or where Windows dropped them (an elevated window has the focus).
    static constexpr std::int64_t kOwnStrokeTimeoutMs = 500;
    // How soon a key left alone is looked at again.
    static constexpr std::int32_t kRecheckMs = 100;

    // `recheckSoon` asks for one CheckNow within kRecheckMs.
    Enforcer(Keyboard& keyboard, Clock clock, ShiftTurnsOffCapsLock shiftTurnsOffCapsLock,
             std::function<void()> recheckSoon = {});

    // The timer's check: every key that no stroke of the program's is on its way for.
    void TimerCheck(const Settings& settings);
    // A key was released, as raw input reports it from any program. A lock key, Shift, Ctrl
    // or Alt is checked at once. The program's own strokes (tagged) start a check only for a
    // key that was left alone while they were on their way, or that Shift was to turn off;
    // until raw input reports them back, the key state may not show them yet.
    void KeyReleased(int virtualKey, std::uint32_t extraInformation, const Settings& settings);
    // Windows may have reset the keys.
    void CheckNow(const Settings& settings);

    // Told of every check that typed a flip, with what it typed.
    void SetCorrectionListener(std::function<void(const Flips&)> listener) {
        corrected_ = std::move(listener);
    }

private:
    struct OwnStroke {
        std::uint8_t virtualKey;  // the key typed: the lock key, or Shift for Caps Lock
        std::int64_t time;
    };
    Flips Check(const Settings& settings, KeySet keys, std::int64_t now);
    bool Pending(std::size_t key, std::int64_t now) const;
    bool ModifierHeld();
    bool CapsOffByShift();

    Keyboard& keyboard_;
    Clock clock_;
    ShiftTurnsOffCapsLock shiftTurnsOffCapsLock_;
    std::function<void()> recheckSoon_;
    std::function<void(const Flips&)> corrected_;
    // A key's last kInstantLimit corrections made at once: enough to tell whether it had that
    // many within the window, since the latest are the ones inside it.
    struct RecentCorrections {
        std::array<std::int64_t, kInstantLimit> times{};
        std::size_t count = 0;  // how many of `times` hold one, at most kInstantLimit
        std::size_t next = 0;   // where the next one goes, over the oldest
    };
    std::array<RecentCorrections, kLockKeyCount> instantCorrections_;
    // Per key, the program's stroke that raw input has not reported back yet.
    std::array<std::optional<OwnStroke>, kLockKeyCount> pending_;
    // The keys to check again when their pending stroke comes back.
    KeySet checkOnReturn_;
    // Caps Lock was last turned off with Shift, and no check has seen it off since.
    bool shiftUnconfirmed_ = false;
    // Shift did not turn Caps Lock off although Windows' setting says it does (the setting
    // and the registry disagree): Caps Lock is pressed instead while the setting reads so.
    bool shiftFails_ = false;
};

}  // namespace keystead::lockkeys
