#include "display/DisplayWindow.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "language/Texts.h"

namespace keystead::display {

namespace {

using settings::DisplaySection;
using settings::NoteMode;

constexpr int kNoteModes = 4;
constexpr int kPositions = 9;

}  // namespace

bool DisplayManaged::Any() const {
    return showKeys || position || noteTime || std::ranges::any_of(notes, std::identity{});
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
        form_->SetOptionValue(kNoteGroups[key], static_cast<int>(inForce_.notes[key]), true);
        for (int mode = 0; mode < kNoteModes; ++mode) {
            form_->SetItemEnabled(kNoteGroups[key], mode, !managed_.notes[key]);
        }
    }
    form_->SetOptionValue(PositionSetting, inForce_.position - 1, true);
    for (int index = 0; index < kPositions; ++index) {
        form_->SetItemEnabled(PositionSetting, index, !managed_.position);
    }
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
        for (int mode = 0; mode < kNoteModes && !managed_.notes[key]; ++mode) {
            if (form_->OptionValue(kNoteGroups[key], mode)) {
                own_.notes[key] = static_cast<NoteMode>(mode);
            }
        }
    }
    for (int index = 0; index < kPositions && !managed_.position; ++index) {
        if (form_->OptionValue(PositionSetting, index)) {
            own_.position = index + 1;
        }
    }
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
