#include "policies/Policies.h"

#include <cstring>

#include "registry/Policy.h"
#include "toolkit/IgnoreFailure.h"

namespace keystead::policies {

namespace {

using registry::PolicyState;

// The value, when the rule is set. A failed read must not pass unseen: the user then
// chooses what the administrator may have fixed.
std::optional<std::int32_t> Rule(const registry::PolicyKeys& keys, const char* name,
                                 std::int32_t min, std::int32_t max) {
    const registry::PolicyValue rule = keys.Dword(name, min, max);
    if (rule.state == PolicyState::Unreadable) {
        char what[48] = "policy unreadable: ";
        std::strncat(what, name, sizeof what - std::strlen(what) - 1);
        toolkit::ReportIgnoredFailure(what);
    }
    if (rule.state != PolicyState::Set) {
        return std::nullopt;
    }
    return rule.value;
}

std::optional<bool> Switch(const registry::PolicyKeys& keys, const char* name) {
    const std::optional<std::int32_t> rule = Rule(keys, name, 0, 1);
    return rule ? std::optional<bool>(*rule != 0) : std::nullopt;
}

}  // namespace

bool Policies::AnyInWindow() const {
    for (const auto& mode : modes) {
        if (mode) {
            return true;
        }
    }
    return interval || startWithWindows || allowSuspend == false;
}

Policies ReadPolicies(registry::RegistryApi& api) {
    const registry::PolicyKeys keys(api, kPolicySubKey);
    Policies rules;
    // The same names and modes as the settings file.
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        if (const auto mode = Rule(keys, lockkeys::kLockKeys[key].iniKey, lockkeys::kForceOff,
                                   lockkeys::kAllowToggling)) {
            rules.modes[key] = static_cast<lockkeys::LockMode>(*mode);
        }
    }
    rules.interval = Rule(keys, "Interval", lockkeys::kMinInterval, lockkeys::kMaxInterval);
    rules.startWithWindows = Switch(keys, "StartWithWindows");
    rules.allowSuspend = Switch(keys, "AllowSuspend");
    rules.pausePrograms = keys.Text("PausePrograms");
    rules.programs = registry::ReadPolicyList(api, std::string(kPolicySubKey) + "\\Programs");
    rules.display.showKeys = Switch(keys, "ShowKeys");
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        if (const auto note = Rule(keys, settings::NoteKey(key), 0, 3)) {
            rules.display.notes[key] = static_cast<settings::NoteMode>(*note);
        }
    }
    rules.display.position = Rule(keys, "NotePosition", 1, 9);
    rules.display.noteTime = Rule(keys, "NoteTime", settings::DisplaySection::kMinNoteTime,
                                  settings::DisplaySection::kMaxNoteTime);
    if (const auto monitor = Rule(keys, "NoteMonitor", 0, 3)) {
        rules.display.monitor = static_cast<settings::NoteMonitor>(*monitor);
    }
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        if (const auto sound = Rule(keys, settings::SoundKey(key), 0, 2)) {
            rules.display.sounds[key] = static_cast<settings::SoundMode>(*sound);
        }
    }
    return rules;
}

settings::DisplaySection DisplayInForce(const Policies::Display& rules,
                                        settings::DisplaySection own) {
    own.showKeys = rules.showKeys.value_or(own.showKeys);
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        own.notes[key] = rules.notes[key].value_or(own.notes[key]);
    }
    own.position = rules.position.value_or(own.position);
    own.noteTime = rules.noteTime.value_or(own.noteTime);
    own.monitor = rules.monitor.value_or(own.monitor);
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        own.sounds[key] = rules.sounds[key].value_or(own.sounds[key]);
    }
    return own;
}

}  // namespace keystead::policies
