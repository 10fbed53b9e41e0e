#include "programs/ProgramsWindow.h"

#include <algorithm>
#include <string>
#include <utility>

#include "language/Texts.h"

namespace keystead::programs {

namespace {

constexpr int kModeButtons = 4;  // the main setting, then the three lock modes

}  // namespace

ProgramsWindow::ProgramsWindow(toolkit::FormFactory& forms, int icon, RunningPrograms& running,
                               ApplyHandler apply, language::Language language)
    : running_(running),
      apply_(std::move(apply)),
      language_(language),
      design_(ProgramsFormDesign(language)) {
    design_.icon = icon;
    form_ = forms.Create(design_, *this);
    form_->Load();
}

void ProgramsWindow::Load(const ProgramsChoice& inForce, const std::vector<std::string>& fixed) {
    entries_.clear();
    auto entryOf = [&](const std::string& name) -> Entry& {
        for (Entry& entry : entries_) {
            if (pause::SameProgramName(entry.name, name)) {
                return entry;
            }
        }
        const bool isFixed = std::ranges::any_of(
            fixed, [&](const std::string& f) { return pause::SameProgramName(f, name); });
        anyFixed_ = anyFixed_ || isFixed;
        return entries_.emplace_back(Entry{.name = name, .fixed = isFixed});
    };
    anyFixed_ = false;
    for (const std::string& name : inForce.pause.Names()) {
        entryOf(name).stepAside = true;
    }
    for (const ProgramModes& program : inForce.modes.Programs()) {
        entryOf(program.name).modes = program.modes;
    }
    showing_ = true;
    form_->ClearItems(ProgramsList);
    for (const Entry& entry : entries_) {
        form_->AddItem(ProgramsList, entry.name);
    }
    form_->SetListIndex(ProgramsList, entries_.empty() ? toolkit::kNoIndex : 0);
    form_->ClearItems(ProgramFileSetting);
    for (const std::string& name : running_.Names()) {
        form_->AddItem(ProgramFileSetting, name);
    }
    form_->SetText(ProgramFileSetting, "");
    fullScreen_ = inForce.fullScreen;
    form_->SetCheckValue(FullScreenSetting, fullScreen_ ? toolkit::kChecked : toolkit::kUnchecked);
    showing_ = false;
    ShowSelected();
    form_->SetEnabled(ProgramsApplyButton, false);
}

ProgramsWindow::Entry* ProgramsWindow::Selected() {
    const int index = form_->ListIndex(ProgramsList);
    return index == toolkit::kNoIndex ? nullptr : &entries_[static_cast<std::size_t>(index)];
}

// The selected program's choices, greyed when there is none or an administrator fixes it.
void ProgramsWindow::ShowSelected() {
    const bool wasShowing = std::exchange(showing_, true);
    const Entry* entry = Selected();
    const bool editable = entry != nullptr && !entry->fixed;
    form_->SetCheckValue(StepAsideSetting, entry != nullptr && entry->stepAside
                                               ? toolkit::kChecked
                                               : toolkit::kUnchecked);
    form_->SetEnabled(StepAsideSetting, editable);
    form_->SetEnabled(RemoveProgramButton, editable);
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        const auto& mode = entry != nullptr ? entry->modes[key] : std::nullopt;
        form_->SetOptionValue(kModeGroups[key], mode ? *mode + 1 : 0, true);
        for (int button = 0; button < kModeButtons; ++button) {
            form_->SetItemEnabled(kModeGroups[key], button, editable && !entry->stepAside);
        }
    }
    Note(anyFixed_ ? language::Say(language::Text::PolicyNote, language_) : "");
    showing_ = wasShowing;
}

void ProgramsWindow::Note(const std::string& text) {
    form_->SetCaption(ProgramsNoteLabel, text);
}

// The name typed or picked, if the "programs" section can hold it; a name listed already is
// selected.
bool ProgramsWindow::AddProgram() {
    const std::string name(pause::TrimBlanks(form_->Text(ProgramFileSetting)));
    if (!ParseProgramLine(name + "=,,")) {
        Note(language::Say(language::Text::BadProgramName, language_));
        return false;
    }
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        if (pause::SameProgramName(entries_[index].name, name)) {
            form_->SetListIndex(ProgramsList, static_cast<int>(index));
            form_->SetText(ProgramFileSetting, "");
            return true;
        }
    }
    if (entries_.size() >= ProgramModesList::kMaxPrograms) {
        Note(language::Fill(language::Say(language::Text::ProgramsFull, language_),
                            std::to_string(ProgramModesList::kMaxPrograms)));
        return false;
    }
    entries_.push_back(Entry{.name = name});
    form_->AddItem(ProgramsList, name);
    form_->SetListIndex(ProgramsList, static_cast<int>(entries_.size()) - 1);
    form_->SetText(ProgramFileSetting, "");
    form_->SetEnabled(ProgramsApplyButton, true);
    return true;
}

void ProgramsWindow::RemoveProgram() {
    const int index = form_->ListIndex(ProgramsList);
    if (index == toolkit::kNoIndex || entries_[static_cast<std::size_t>(index)].fixed) {
        return;
    }
    entries_.erase(entries_.begin() + index);
    form_->RemoveItem(ProgramsList, index);
    form_->SetListIndex(ProgramsList, std::min(index, static_cast<int>(entries_.size()) - 1));
    ShowSelected();  // also when nothing is left to select
    form_->SetEnabled(ProgramsApplyButton, true);
}

// The user's own entries: a program steps aside, or holds its modes, or both where the file
// named it on both lists and its modes say something. Enter in the box presses OK: a name
// typed there and not yet added is added first.
bool ProgramsWindow::ApplyControls() {
    if (!pause::TrimBlanks(form_->Text(ProgramFileSetting)).empty() && !AddProgram()) {
        return false;
    }
    ProgramsChoice own;
    std::string pauseText;
    for (const Entry& entry : entries_) {
        if (entry.fixed) {
            continue;
        }
        if (entry.stepAside) {
            pauseText += entry.name + ";";
        }
        if (!entry.stepAside ||
            std::ranges::any_of(entry.modes, [](const auto& mode) { return mode.has_value(); })) {
            own.modes.Add({entry.name, entry.modes});
        }
    }
    own.pause.Add(pauseText);
    own.fullScreen = form_->CheckValue(FullScreenSetting) == toolkit::kChecked;
    form_->SetEnabled(ProgramsApplyButton, false);
    apply_(own);
    return true;
}

void ProgramsWindow::Control_Click(int id, int index) {
    Entry* entry = Selected();
    switch (id) {
        case ProgramsList:
            ShowSelected();
            return;
        case AddProgramButton:
            AddProgram();
            return;
        case RemoveProgramButton:
            RemoveProgram();
            return;
        case ProgramsOKButton:
            if (ApplyControls()) {
                form_->Unload();
            }
            return;
        case ProgramsCancelButton:
            form_->Unload();
            return;
        case ProgramsApplyButton:
            ApplyControls();
            return;
        default:
            break;
    }
    if (showing_) {
        return;
    }
    if (id == StepAsideSetting && entry != nullptr) {
        entry->stepAside = form_->CheckValue(StepAsideSetting) == toolkit::kChecked;
        ShowSelected();
    }
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        if (id == kModeGroups[key] && entry != nullptr) {
            entry->modes[key] = index == 0
                                    ? std::nullopt
                                    : std::optional(static_cast<lockkeys::LockMode>(index - 1));
        }
    }
    form_->SetEnabled(ProgramsApplyButton, true);
}

void ProgramsWindow::Control_Change(int id) {
    if (id == ProgramFileSetting && !showing_) {
        Note(anyFixed_ ? language::Say(language::Text::PolicyNote, language_) : "");
    }
}

}  // namespace keystead::programs
