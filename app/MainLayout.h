#pragma once

#include <array>

#include "language/Texts.h"
#include "lockkeys/LockKeys.h"
#include "toolkit/Form.h"

namespace keystead::app {

// The controls of the settings window. The three option groups are indexed by LockMode.
enum ControlId : int {
    CapsLockLabel = 1,
    CapsLockSetting,
    NumLockLabel,
    NumLockSetting,
    ScrollLockLabel,
    ScrollLockSetting,
    IntervalLabel,
    IntervalSetting,
    msLabel,
    AutoRunSetting,
    OKButton,
    CancelButton,
    ApplyButton,
    SuspendButton,
    DonateButton,
    HelpButton,
    TrayCmdLabel1,
    TrayCmdLabel2,
    TrayCmdLabel3,
    TrayCmdLabel4,
    CapsLockFrame,
    NumLockFrame,
    ScrollLockFrame,
    SuspendedIcon,
    PolicyLabel,
};

// The option group of each lock key, by its place in lockkeys::kLockKeys.
inline constexpr std::array<int, lockkeys::kLockKeyCount> kModeGroups = {
    CapsLockSetting, NumLockSetting, ScrollLockSetting};

// Shown below the start-up box while an administrator fixes any setting; empty otherwise.
inline constexpr const char* kPolicyCaption = language::English(language::Text::PolicyNote);
// Shown instead when only the start-up box is fixed, by a machine-wide registration that this
// user may not change.
inline constexpr const char* kMachineStartUpCaption =
    language::English(language::Text::MachineStartUpNote);

// The system menu's item that opens the lock-key display window.
inline constexpr int kDisplayMenuCommand = 0x0100;
// The one that opens the programs window.
inline constexpr int kProgramsMenuCommand = 0x0110;

// The settings window in a language: every control with its caption, place and size in
// twips, in tab order.
const toolkit::FormDesign& MainFormDesign(
    language::Language language = language::Language::English);

}  // namespace keystead::app
