#include "display/DisplayWindow.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "display/DisplayTexts.h"

namespace keystead::display {

namespace {

using settings::DisplaySection;
using settings::NoteMode;
using toolkit::ControlDesign;
using enum toolkit::ControlKind;

constexpr int kNoteModes = 4;
constexpr int kPositions = 9;
// Left edge and width of each note button in its frame, twips.
constexpr int kNoteLeft[kNoteModes] = {0, 1020, 2220, 3960};
constexpr int kNoteWidth[kNoteModes] = {960, 1140, 1680, 1080};

constexpr int kNoteLabels[] = {CapsLockNoteLabel, NumLockNoteLabel, ScrollLockNoteLabel};
constexpr int kNoteFrames[] = {CapsLockNoteFrame, NumLockNoteFrame, ScrollLockNoteFrame};

constexpr ControlDesign NoteLabel(std::size_t key, int top) {
    return {.id = kNoteLabels[key],
            .kind = Label,
            .caption = kNoteLabelCaptions[key],
            .bounds = {240, top, 4920, 255}};
}

constexpr ControlDesign NoteButton(std::size_t key, int mode) {
    return {.id = kNoteGroups[key],
            .index = mode,
            .kind = OptionButton,
            .caption = kNoteModeCaptions[mode],
            .container = kNoteFrames[key],
            .bounds = {kNoteLeft[mode], 0, kNoteWidth[mode], 255},
            .value = mode == 0,
            .accessibleName = kNoteModeNames[key][mode]};
}

// Positions stand as on the keypad: 7 8 9 on top, 1 2 3 at the bottom.
constexpr ControlDesign PositionButton(int index) {
    const int column = index % 3;
    const int row = 2 - index / 3;
    return {.id = PositionSetting,
            .index = index,
            .kind = OptionButton,
            .container = PositionFrame,
            .bounds = {column * 360, row * 285, 255, 255},
            .value = index + 1 == DisplaySection::kDefaultPosition,
            .accessibleName = kPositionNames[index]};
}

// In tab order, which follows the visual order.
constexpr ControlDesign kControls[] = {
    {.id = ShowKeysSetting,
     .kind = CheckBox,
     .caption = kShowKeysCaption,
     .bounds = {240, 180, 4920, 255}},
    NoteLabel(0, 600),
    NoteButton(0, 0),
    NoteButton(0, 1),
    NoteButton(0, 2),
    NoteButton(0, 3),
    NoteLabel(1, 1200),
    NoteButton(1, 0),
    NoteButton(1, 1),
    NoteButton(1, 2),
    NoteButton(1, 3),
    NoteLabel(2, 1800),
    NoteButton(2, 0),
    NoteButton(2, 1),
    NoteButton(2, 2),
    NoteButton(2, 3),
    {.id = PositionLabel,
     .kind = Label,
     .caption = kPositionCaption,
     .bounds = {240, 2760, 1755, 255}},
    PositionButton(6),
    PositionButton(7),
    PositionButton(8),
    PositionButton(3),
    PositionButton(4),
    PositionButton(5),
    PositionButton(0),
    PositionButton(1),
    PositionButton(2),
    {.id = NoteTimeLabel,
     .kind = Label,
     .caption = kNoteTimeCaption,
     .bounds = {240, 3600, 1755, 255}},
    {.id = NoteTimeSetting, .kind = TextBox, .caption = "1500", .bounds = {2100, 3540, 615, 285}},
    {.id = NoteTimeUnitLabel,
     .kind = Label,
     .caption = kNoteTimeUnitCaption,
     .bounds = {2820, 3600, 2340, 255}},
    {.id = DisplayPolicyLabel, .kind = Label, .bounds = {240, 4020, 5280, 255}},
    {.id = DisplayOKButton,
     .kind = CommandButton,
     .caption = kDisplayOKCaption,
     .bounds = {2205, 4380, 1035, 375},
     .isDefault = true},
    {.id = DisplayCancelButton,
     .kind = CommandButton,
     .caption = kDisplayCancelCaption,
     .bounds = {3345, 4380, 1035, 375},
     .isCancel = true},
    {.id = DisplayApplyButton,
     .kind = CommandButton,
     .caption = kDisplayApplyCaption,
     .bounds = {4485, 4380, 1035, 375},
     .enabled = false},
    {.id = CapsLockNoteFrame, .kind = Frame, .bounds = {480, 870, 5040, 255}},
    {.id = NumLockNoteFrame, .kind = Frame, .bounds = {480, 1470, 5040, 255}},
    {.id = ScrollLockNoteFrame, .kind = Frame, .bounds = {480, 2070, 5040, 255}},
    {.id = PositionFrame, .kind = Frame, .bounds = {2100, 2490, 975, 825}},
};

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

DisplayWindow::DisplayWindow(toolkit::FormFactory& forms, int icon, ApplyHandler apply)
    : apply_(std::move(apply)),
      design_{.caption = kDisplayWindowTitle,
              .clientWidth = 5760,
              .clientHeight = 4935,
              .background = {0, 0, 0},
              .foreground = {0, 153, 255},
              .fontFace = "MS Sans Serif",
              .fontPoints = 8.25f,
              .icon = icon,
              .controls = kControls,
              .secondary = true},
      form_(forms.Create(design_, *this)) {
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
    form_->SetCaption(DisplayPolicyLabel, managed_.Any() ? kDisplayPolicyCaption : "");
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
