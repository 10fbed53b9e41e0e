#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "language/Language.h"
#include "lockkeys/Settings.h"
#include "policies/Policies.h"
#include "toolkit/Form.h"

namespace keystead::app {

// Greys the controls of the settings that the rules fix, and says who fixed them.
void ShowPolicies(const policies::Policies& rules, toolkit::Form& form,
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
bool ShowAgainWhatRulesLeave(const ShownSettings& shown, const policies::Policies& before,
                             const policies::Policies& now, toolkit::Form& form);

}  // namespace keystead::app
