#include "display/DisplayWindow.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "language/Texts.h"

namespace keystead::display {

namespace {

using settings::DisplaySection;

constexpr int kNoteModes = 4;
constexpr int kSoundModes = 3;
constexpr int kMonitors = 4;
constexpr int kPositions = 9;

// Selects button `value` of a group of `count`, all greyed where a rule fixes it.
void LoadGroup(toolkit::Form& form, int id, int count, int value, bool fixed) {
    form.SetOptionValue(id, value, true);
    for (int index = 0; index < count; ++index) {
        form.SetItemEnabled(id, index, !fixed);
    }
}

// The selected button of a group; `value` where a rule fixes it.
int Chosen(const toolkit::Form& form, int id, int count, bool fixed, int value) {
    for (int index = 0; index < count && !fixed; ++index) {
        if (form.OptionValue(id, index)) {
            value = index;
        }
    }
    return value;
}

}  // namespace

bool DisplayManaged::Any() const {
    return showKeys || position || noteTime || monitor ||
           std::ranges::any_of(notes, std::identity{}) ||
           std::ranges::any_of(sounds, std::identity{});
}

std::int32_t NoteTimeFromText(const std::string& text) {
    std::int64_t value = 0;
    bool digits = false;
    for (char c : text) {
        if (c == ' ' && !digits) {
            continue;
        }
        if (c < '0' || c > '9') {
            break;
        }
        digits = true;
        value = std::min<std::int64_t>(value * 10 + (c - '0'), DisplaySection::kMaxNoteTime + 1);
    }
    if (!digits) {
        return DisplaySection::kDefaultNoteTime;
    }
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, DisplaySection::kMinNoteTime,
                                                              DisplaySection::kMaxNoteTime));
}

DisplayWindow::DisplayWindow(toolkit::FormFactory& forms, int icon, ApplyHandler apply,
                             language::Language language)
    : apply_(std::move(apply)), language_(language), design_(DisplayFormDesign(language)) {
    design_.icon = icon;
    form_ = forms.Create(design_, *this);
    form_->Load();
}

void DisplayWindow::Load(const DisplaySection& own, const DisplaySection& inForce,
                         const DisplayManaged& managed) {
    own_ = own;
    inForce_ = inForce;
    managed_ = managed;
    LoadControls();
}

// What is in force, the fixed settings greyed. Apply is disabled last, after the notices
// that the changes raise.
void DisplayWindow::LoadControls() {
    form_->SetCheckValue(ShowKeysSetting,
                         inForce_.showKeys ? toolkit::kChecked : toolkit::kUnchecked);
    form_->SetEnabled(ShowKeysSetting, !managed_.showKeys);
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        LoadGroup(*form_, kNoteGroups[key], kNoteModes, static_cast<int>(inForce_.notes[key]),
                  managed_.notes[key]);
        LoadGroup(*form_, kSoundGroups[key], kSoundModes, static_cast<int>(inForce_.sounds[key]),
                  managed_.sounds[key]);
    }
    LoadGroup(*form_, PositionSetting, kPositions, inForce_.position - 1, managed_.position);
    LoadGroup(*form_, MonitorSetting, kMonitors, static_cast<int>(inForce_.monitor),
              managed_.monitor);
    form_->SetText(NoteTimeSetting, std::to_string(inForce_.noteTime));
    form_->SetEnabled(NoteTimeSetting, !managed_.noteTime);
    form_->SetCaption(DisplayPolicyLabel,
                      managed_.Any() ? language::Say(language::Text::PolicyNote, language_) : "");
    form_->SetEnabled(DisplayApplyButton, false);
}

// The user's own choices of what is not fixed; what is fixed keeps the user's own value.
void DisplayWindow::ApplyControls() {
    // Enter presses OK while the box may still have the focus: correct its text first.
    NoteTimeSetting_LostFocus();
    if (!managed_.showKeys) {
        own_.showKeys = form_->CheckValue(ShowKeysSetting) == toolkit::kChecked;
    }
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        own_.notes[key] = static_cast<settings::NoteMode>(
            Chosen(*form_, kNoteGroups[key], kNoteModes, managed_.notes[key],
                   static_cast<int>(own_.notes[key])));
        own_.sounds[key] = static_cast<settings::SoundMode>(
            Chosen(*form_, kSoundGroups[key], kSoundModes, managed_.sounds[key],
                   static_cast<int>(own_.sounds[key])));
    }
    // The group counts from 0, the keypad from 1.
    own_.position =
        Chosen(*form_, PositionSetting, kPositions, managed_.position, own_.position - 1) + 1;
    own_.monitor = static_cast<settings::NoteMonitor>(Chosen(
        *form_, MonitorSetting, kMonitors, managed_.monitor, static_cast<int>(own_.monitor)));
    if (!managed_.noteTime) {
        own_.noteTime = NoteTimeFromText(form_->Text(NoteTimeSetting));
    }
    form_->SetEnabled(DisplayApplyButton, false);
    apply_(own_);
}

void DisplayWindow::NoteTimeSetting_LostFocus() {
    form_->SetText(NoteTimeSetting, std::to_string(NoteTimeFromText(form_->Text(NoteTimeSetting))));
}

void DisplayWindow::Control_Click(int id, int /*index*/) {
    switch (id) {
        case DisplayOKButton:
            ApplyControls();
            form_->Unload();
            break;
        case DisplayCancelButton:
            form_->Unload();
            break;
        case DisplayApplyButton:
            ApplyControls();
            break;
        default:
            form_->SetEnabled(DisplayApplyButton, true);
            break;
    }
}

void DisplayWindow::Control_Change(int id) {
    if (id == NoteTimeSetting) {
        form_->SetEnabled(DisplayApplyButton, true);
    }
}

void DisplayWindow::Control_LostFocus(int id) {
    if (id == NoteTimeSetting) {
        NoteTimeSetting_LostFocus();
    }
}

}  // namespace keystead::display
