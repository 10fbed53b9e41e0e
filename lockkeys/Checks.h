#pragma once

#include <cstdint>

#include "lockkeys/Enforcer.h"
#include "lockkeys/Settings.h"
#include "toolkit/Timer.h"

namespace keystead::lockkeys {

// What the checks tell whoever shows the keys.
class CheckEvents {
public:
    // The timer's period came; its check follows. Whatever holds the checks back is looked at
    // again now (SetHeldBack).
    virtual void Checks_Tick() = 0;
    // A check typed these flips to put keys back as the settings hold them.
    virtual void Checks_PutBack(const Flips& flips) = 0;
    // A key may have changed: after a check, a key released, and each tick (`tick`).
    virtual void Checks_KeysMayHaveChanged(bool tick) = 0;

protected:
    ~CheckEvents() = default;
};

// When the lock keys are checked: at each period of the window's timer, once more soon after
// a key was left alone, and at once when a key may have changed. It holds the settings in
// force, and whether the checks are suspended, which is the timer being off: nothing else
// reads the timer's state.
class Checks {
public:
    Checks(Keyboard& keyboard, Enforcer::Clock clock, ShiftTurnsOffCapsLock shiftTurnsOffCapsLock,
           toolkit::Timer& timer, toolkit::Timer& recheckTimer, CheckEvents& events);
    Checks(const Checks&) = delete;
    Checks& operator=(const Checks&) = delete;

    // The modes in force and the start-up choice; the interval is the timer's.
    lockkeys::Settings& Settings() { return settings_; }
    const lockkeys::Settings& Settings() const { return settings_; }
    toolkit::Timer& Interval() { return timer_; }
    const toolkit::Timer& Interval() const { return timer_; }
    // What the user applied; a running timer starts its period again.
    void Apply(const lockkeys::Settings& settings, std::int64_t interval);

    // The first check one period after this, and a look at once at a key left wrong before.
    void Start();
    bool Suspended() const { return !timer_.Enabled(); }
    void SetSuspended(bool suspended);
    // While held back (stepping aside for a program) no check touches the keys. When that
    // ends outside a tick the keys are checked at once: the program may have left them any way.
    void SetHeldBack(bool heldBack);

    // A key was released in any program.
    void KeyReleased(int virtualKey, std::uint32_t extraInformation);
    // Windows and keyboard firmware reset Num Lock when the session is unlocked and the
    // machine resumes.
    void CheckNow();
    // Other modes came into force (another program in front): the keys are checked at once,
    // as at a tick, outside the limit of the checks made at once, which is there for a fight
    // over a key and not for modes the user changed by changing windows.
    void CheckNewModes();
    // Windows reports the keyboards already there when the window starts to listen: the
    // first check still comes one period after the start.
    void KeyboardArrived();

private:
    void Timer_Timer();
    void RecheckTimer_Timer();
    bool Enforcing() const;

    toolkit::Timer& timer_;
    toolkit::Timer& recheckTimer_;
    CheckEvents& events_;
    Enforcer enforcer_;
    lockkeys::Settings settings_;
    bool heldBack_ = false;
    bool ticking_ = false;
    bool timerHasFired_ = false;
};

}  // namespace keystead::lockkeys
