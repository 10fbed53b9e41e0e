#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "lockkeys/LockKeys.h"
#include "registry/RegistryApi.h"
#include "settings/DisplaySection.h"

namespace keystead::policies {

// Where Group Policy keeps the administrator's rules for the program, under HKLM for the
// machine and HKCU for the user.
inline constexpr char kPolicySubKey[] = "Software\\Policies\\Tarvine\\Keystead";

// The settings an administrator has fixed. An empty one is the user's to choose.
struct Policies {
    // "CapsLock", "NumLock", "ScrollLock": modes 0 to 2, by the place in lockkeys::kLockKeys.
    std::array<std::optional<lockkeys::LockMode>, lockkeys::kLockKeyCount> modes;
    std::optional<std::int32_t> interval;  // "Interval": 20 to 60000 milliseconds
    std::optional<bool> startWithWindows;  // "StartWithWindows": 0 or 1
    std::optional<bool> allowSuspend;      // "AllowSuspend": 0 or 1
    // "PausePrograms" (REG_SZ): executable names separated by ';', the machine's list
    // followed by the user's; empty when neither has one.
    std::string pausePrograms;
    // The list "Programs" (a key of its own): a program's file name as each value's name and
    // its lock modes as its REG_SZ data, as in section "programs" of the file. Lines
    // "name=modes\n", the machine's before the user's.
    std::string programs;
    // "ShowKeys", "CapsLockNote", "NumLockNote", "ScrollLockNote", "NotePosition",
    // "NoteTime", "NoteMonitor", "CapsLockSound", "NumLockSound" and "ScrollLockSound": the
    // lock-key display, with the names and ranges of its section of the file.
    struct Display {
        std::optional<bool> showKeys;
        std::array<std::optional<settings::NoteMode>, lockkeys::kLockKeyCount> notes;
        std::optional<std::int32_t> position;
        std::optional<std::int32_t> noteTime;
        std::optional<settings::NoteMonitor> monitor;
        std::array<std::optional<settings::SoundMode>, lockkeys::kLockKeyCount> sounds;
        friend bool operator==(const Display&, const Display&) = default;
    } display;

    // Not a rule of Group Policy: the machine-wide Run value starts the program and this user
    // may not change it (an administrator or the package set it), which keeps the box ticked.
    bool machineStartUp = false;

    // Whether anything the window shows is fixed by Group Policy.
    bool AnyInWindow() const;
    // Whether the program starts with Windows is fixed, and how.
    std::optional<bool> StartUpFixed() const {
        return startWithWindows ? startWithWindows
                                : (machineStartUp ? std::optional<bool>(true) : std::nullopt);
    }

    friend bool operator==(const Policies&, const Policies&) = default;
};

// Reads every rule: the machine's before the user's, each within its range. A rule that
// cannot be read is reported to the debugger's output and left to the user.
Policies ReadPolicies(registry::RegistryApi& api);

// The display as the rules leave it: each rule in force, the user's own choice elsewhere.
settings::DisplaySection DisplayInForce(const Policies::Display& rules,
                                        settings::DisplaySection own);

}  // namespace keystead::policies
