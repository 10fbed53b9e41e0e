#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/Policies.h"
#include "language/Language.h"
#include "lockkeys/Settings.h"
#include "toolkit/Form.h"
#include "toolkit/Timer.h"

namespace keystead::app {

// The user's own choices, which the settings file keeps while an administrator's rule puts
// another value in force, so that they come back when the rule goes. The interval is held in
// a timer that never runs: the form in which the settings file takes it.
class UserChoice {
public:
    // Takes from what is in force every setting that no rule covers.
    void Keep(const Policies& rules, const lockkeys::Settings& inForce,
              const toolkit::Timer& timer);
    const lockkeys::Settings& Settings() const { return settings_; }
    const toolkit::Timer& Interval() const { return interval_; }

private:
    class NoDriver final : public toolkit::TimerDriver {
        void Start(std::uint32_t) override {}
        void Stop() override {}
    };
    lockkeys::Settings settings_;
    NoDriver driver_;
    toolkit::Timer interval_{driver_};
};

// Puts each rule into force, and the user's own choice where there is none.
void PutInForce(const Policies& rules, const UserChoice& own, lockkeys::Settings& inForce,
                toolkit::Timer& timer);

// Greys the controls of the settings that the rules fix, and says who fixed them.
void ShowPolicies(const Policies& rules, toolkit::Form& form,
                  language::Language language = language::Language::English);

// What the window shows of the settings, taken before new rules redraw it, so that the
// user's edits not yet applied survive them: Windows applies policy every 90 minutes or so,
// whatever the user is doing.
struct ShownSettings {
    std::array<int, lockkeys::kLockKeyCount> modes{};  // the selected button, or -1
    std::string interval;
    int autoRun = 0;
};
ShownSettings ReadShownSettings(const toolkit::Form& form);
// Shows again what was shown of each setting that neither the rules before nor those now
// fix; whether that differs from what the redrawn window showed, that is whether edits
// remain to apply.
bool ShowAgainWhatRulesLeave(const ShownSettings& shown, const Policies& before,
                             const Policies& now, toolkit::Form& form);

}  // namespace keystead::app
