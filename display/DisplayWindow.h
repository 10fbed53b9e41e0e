#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "language/Language.h"
#include "lockkeys/LockKeys.h"
#include "settings/DisplaySection.h"
#include "toolkit/Form.h"

namespace keystead::display {

// The controls of the display window. The note groups are indexed by NoteMode, the sound
// groups by SoundMode, the monitor group by NoteMonitor, the position group by the position
// less one.
enum DisplayControl : int {
    ShowKeysSetting = 1,
    CapsLockNoteLabel,
    CapsLockNoteSetting,
    NumLockNoteLabel,
    NumLockNoteSetting,
    ScrollLockNoteLabel,
    ScrollLockNoteSetting,
    PositionLabel,
    PositionSetting,
    NoteTimeLabel,
    NoteTimeSetting,
    NoteTimeUnitLabel,
    DisplayPolicyLabel,
    DisplayOKButton,
    DisplayCancelButton,
    DisplayApplyButton,
    CapsLockNoteFrame,
    NumLockNoteFrame,
    ScrollLockNoteFrame,
    PositionFrame,
    CapsLockSoundLabel,
    CapsLockSoundSetting,
    NumLockSoundLabel,
    NumLockSoundSetting,
    ScrollLockSoundLabel,
    ScrollLockSoundSetting,
    CapsLockSoundFrame,
    NumLockSoundFrame,
    ScrollLockSoundFrame,
    MonitorLabel,
    MonitorSetting,
    MonitorFrame,
};

// The note group of each lock key, by its place in kLockKeys.
inline constexpr std::array<int, lockkeys::kLockKeyCount> kNoteGroups = {
    CapsLockNoteSetting, NumLockNoteSetting, ScrollLockNoteSetting};
// The sound group of each lock key, by its place in kLockKeys.
inline constexpr std::array<int, lockkeys::kLockKeyCount> kSoundGroups = {
    CapsLockSoundSetting, NumLockSoundSetting, ScrollLockSoundSetting};

// Which settings of the section an administrator fixes.
struct DisplayManaged {
    bool showKeys = false;
    std::array<bool, lockkeys::kLockKeyCount> notes{};
    bool position = false;
    bool noteTime = false;
    bool monitor = false;
    std::array<bool, lockkeys::kLockKeyCount> sounds{};
    bool Any() const;
};

// The window in which the user chooses how the lock keys are shown, in the settings window's
// look. OK and Apply hand the user's choices over at once, to be written to the settings
// file; Cancel and the close box drop what was not applied. Settings an administrator fixes
// show greyed with the rule's value, and keep the user's own choice.
class DisplayWindow final : private toolkit::FormEvents {
public:
    using ApplyHandler = std::function<void(const settings::DisplaySection& own)>;

    // `icon`: the window's image resource.
    DisplayWindow(toolkit::FormFactory& forms, int icon, ApplyHandler apply,
                  language::Language language = language::Language::English);
    DisplayWindow(const DisplayWindow&) = delete;
    DisplayWindow& operator=(const DisplayWindow&) = delete;

    toolkit::Form& Form() { return *form_; }
    // Fills the controls with `own`, the user's choices, and for each fixed one with the
    // value in force (`inForce`); loaded again at new rules, it shows them anew.
    void Load(const settings::DisplaySection& own, const settings::DisplaySection& inForce,
              const DisplayManaged& managed);
    // Whether the user has not closed it yet.
    bool Open() const { return form_->Loaded(); }

private:
    void Form_Load() override {}
    void Form_Unload(bool& /*cancel*/) override {}
    void Form_KeyUp(int /*keyCode*/, int /*shift*/) override {}
    void Control_Click(int id, int index) override;
    void Control_Change(int id) override;
    void Control_LostFocus(int id) override;

    void LoadControls();
    void ApplyControls();
    void NoteTimeSetting_LostFocus();

    settings::DisplaySection own_;
    settings::DisplaySection inForce_;
    DisplayManaged managed_;
    ApplyHandler apply_;
    language::Language language_;
    toolkit::FormDesign design_;
    std::unique_ptr<toolkit::Form> form_;
};

// The window in a language, with no icon of its own (DisplayWindow gives it one).
const toolkit::FormDesign& DisplayFormDesign(
    language::Language language = language::Language::English);

// The time box's text as milliseconds within the notes' range: a number below it is raised
// to the least, one above lowered to the most; no number at all gives the default.
std::int32_t NoteTimeFromText(const std::string& text);

}  // namespace keystead::display
