#include "lockkeys/Checks.h"

#include <utility>

namespace keystead::lockkeys {

Checks::Checks(Keyboard& keyboard, Enforcer::Clock clock,
               ShiftTurnsOffCapsLock shiftTurnsOffCapsLock, toolkit::Timer& timer,
               toolkit::Timer& recheckTimer, CheckEvents& events)
    : timer_(timer),
      recheckTimer_(recheckTimer),
      events_(events),
      enforcer_(keyboard, std::move(clock), std::move(shiftTurnsOffCapsLock),
                [this] { recheckTimer_.SetEnabled(true); }) {
    enforcer_.SetCorrectionListener([this](const Flips& flips) { events_.Checks_PutBack(flips); });
    timer_.SetHandler([this] { Timer_Timer(); });
    recheckTimer_.SetInterval(Enforcer::kRecheckMs);
    recheckTimer_.SetHandler([this] { RecheckTimer_Timer(); });
}

void Checks::Apply(const lockkeys::Settings& settings, std::int64_t interval) {
    const bool wasEnabled = timer_.Enabled();
    if (wasEnabled) {
        timer_.SetEnabled(false);
    }
    settings_ = settings;
    timer_.SetInterval(interval);
    if (wasEnabled) {
        timer_.SetEnabled(true);
    }
}

// Last at start-up, so that no check runs before everything is in place. A key left wrong
// before the start is put right as soon as the message loop runs, not one interval later
// (a minute, at the longest).
void Checks::Start() {
    timer_.SetEnabled(true);
    recheckTimer_.SetEnabled(true);
}

void Checks::SetSuspended(bool suspended) {
    timer_.SetEnabled(!suspended);
}

void Checks::SetHeldBack(bool heldBack) {
    const bool ended = heldBack_ && !heldBack;
    heldBack_ = heldBack;
    if (ended && !ticking_) {
        CheckNow();
    }
}

void Checks::Timer_Timer() {
    timerHasFired_ = true;
    ticking_ = true;
    events_.Checks_Tick();
    ticking_ = false;
    if (!heldBack_) {
        enforcer_.TimerCheck(settings_);
    }
    events_.Checks_KeysMayHaveChanged(true);
}

// Once, for a key that a check left alone.
void Checks::RecheckTimer_Timer() {
    recheckTimer_.SetEnabled(false);
    if (Enforcing()) {
        enforcer_.CheckNow(settings_);
    }
    events_.Checks_KeysMayHaveChanged(false);
}

// The checks made at once act only while a timer check could run: suspended, interval 0
// and "Allow toggling" leave the keys alone as they always did, and so does stepping aside.
bool Checks::Enforcing() const {
    return timer_.Enabled() && timer_.Interval() != 0 && !heldBack_;
}

void Checks::KeyReleased(int virtualKey, std::uint32_t extraInformation) {
    if (Enforcing()) {
        enforcer_.KeyReleased(virtualKey, extraInformation, settings_);
    }
    events_.Checks_KeysMayHaveChanged(false);
}

void Checks::CheckNow() {
    if (Enforcing()) {
        enforcer_.CheckNow(settings_);
    }
}

void Checks::CheckNewModes() {
    if (Enforcing()) {
        enforcer_.TimerCheck(settings_);
    }
}

void Checks::KeyboardArrived() {
    if (timerHasFired_) {
        CheckNow();
    }
}

}  // namespace keystead::lockkeys
