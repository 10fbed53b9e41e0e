#include "app/ManagedSettings.h"

#include "app/MainLayout.h"

namespace keystead::app {

void UserChoice::Keep(const Policies& rules, const lockkeys::Settings& inForce,
                      const toolkit::Timer& timer) {
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        if (!rules.modes[key]) {
            lockkeys::ModeOf(settings_, key) = lockkeys::ModeOf(inForce, key);
        }
    }
    if (!rules.interval) {
        interval_.SetInterval(timer.Interval());
    }
    if (!rules.StartUpFixed()) {
        settings_.AutoRun = inForce.AutoRun;
    }
}

void PutInForce(const Policies& rules, const UserChoice& own, lockkeys::Settings& inForce,
                toolkit::Timer& timer) {
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        lockkeys::ModeOf(inForce, key) =
            rules.modes[key].value_or(lockkeys::ModeOf(own.Settings(), key));
    }
    const std::int32_t interval = rules.interval.value_or(own.Interval().Interval());
    if (timer.Interval() != interval) {
        timer.SetInterval(interval);  // a new interval restarts the period
    }
    const std::optional<bool> startUp = rules.StartUpFixed();
    inForce.AutoRun =
        startUp ? (*startUp ? lockkeys::kTrue : lockkeys::kFalse) : own.Settings().AutoRun;
}

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

bool ShowAgainWhatRulesLeave(const ShownSettings& shown, const Policies& before,
                             const Policies& now, toolkit::Form& form) {
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

void ShowPolicies(const Policies& rules, toolkit::Form& form, language::Language language) {
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
