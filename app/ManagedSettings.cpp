#include "app/ManagedSettings.h"

#include "app/MainLayout.h"

namespace keystead::app {

ShownSettings ReadShownSettings(const toolkit::Form& form) {
    ShownSettings shown;
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        shown.modes[key] = -1;
        for (int index = lockkeys::kForceOff; index <= lockkeys::kAllowToggling; ++index) {
            if (form.OptionValue(kModeGroups[key], index)) {
                shown.modes[key] = index;
            }
        }
    }
    shown.interval = form.Text(IntervalSetting);
    shown.autoRun = form.CheckValue(AutoRunSetting);
    return shown;
}

bool ShowAgainWhatRulesLeave(const ShownSettings& shown, const policies::Policies& before,
                             const policies::Policies& now, toolkit::Form& form) {
    bool differs = false;
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        const int index = shown.modes[key];
        if (!before.modes[key] && !now.modes[key] && index >= 0 &&
            !form.OptionValue(kModeGroups[key], index)) {
            form.SetOptionValue(kModeGroups[key], index, true);
            differs = true;
        }
    }
    if (!before.interval && !now.interval && form.Text(IntervalSetting) != shown.interval) {
        form.SetText(IntervalSetting, shown.interval);
        differs = true;
    }
    if (!before.startWithWindows && !now.startWithWindows &&
        form.CheckValue(AutoRunSetting) != shown.autoRun) {
        form.SetCheckValue(AutoRunSetting, shown.autoRun);
        differs = true;
    }
    return differs;
}

void ShowPolicies(const policies::Policies& rules, toolkit::Form& form,
                  language::Language language) {
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        for (int index = lockkeys::kForceOff; index <= lockkeys::kAllowToggling; ++index) {
            form.SetItemEnabled(kModeGroups[key], index, !rules.modes[key]);
        }
    }
    form.SetEnabled(IntervalSetting, !rules.interval);
    form.SetEnabled(AutoRunSetting, !rules.StartUpFixed());
    form.SetEnabled(SuspendButton, rules.allowSuspend != false);
    using language::Text;
    form.SetCaption(PolicyLabel, rules.AnyInWindow() ? language::Say(Text::PolicyNote, language)
                                 : rules.machineStartUp
                                     ? language::Say(Text::MachineStartUpNote, language)
                                     : "");
}

}  // namespace keystead::app
