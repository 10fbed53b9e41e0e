#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "language/Language.h"
#include "lockkeys/LockKeys.h"
#include "pause/ProgramList.h"
#include "programs/ProgramModes.h"
#include "programs/RunningPrograms.h"
#include "toolkit/Form.h"

namespace keystead::programs {

// The controls of the programs window. The mode groups are indexed by the mode plus one, 0
// being the main setting.
enum ProgramsControl : int {
    ProgramsLabel = 1,
    ProgramsList,
    ProgramFileLabel,
    ProgramFileSetting,
    AddProgramButton,
    RemoveProgramButton,
    StepAsideSetting,
    CapsLockModeLabel,
    CapsLockModeSetting,
    NumLockModeLabel,
    NumLockModeSetting,
    ScrollLockModeLabel,
    ScrollLockModeSetting,
    FullScreenSetting,
    ProgramsNoteLabel,
    ProgramsOKButton,
    ProgramsCancelButton,
    ProgramsApplyButton,
    CapsLockModeFrame,
    NumLockModeFrame,
    ScrollLockModeFrame,
};

// The mode group of each lock key, by its place in kLockKeys.
inline constexpr std::array<int, lockkeys::kLockKeyCount> kModeGroups = {
    CapsLockModeSetting, NumLockModeSetting, ScrollLockModeSetting};

// What the user chose: the "pause" section's programs and FullScreen, and the "programs"
// section. A program may be on both lists: it steps aside, and keeps its modes for later.
struct ProgramsChoice {
    pause::ProgramList pause;
    bool fullScreen = false;
    ProgramModesList modes;
};

// The window in which the user lists the programs that Keystead steps aside for or that hold
// their own lock states, in the look of the other windows. OK and Apply hand the user's lists
// over at once; Cancel and the close box drop what was not applied. A name that is no
// program's file name is refused with a line in the window. Programs an administrator fixes
// show greyed and are not the user's to change or remove.
class ProgramsWindow final : private toolkit::FormEvents {
public:
    using ApplyHandler = std::function<void(const ProgramsChoice& own)>;

    // `icon`: the window's image resource; `running` offers the programs to pick from.
    ProgramsWindow(toolkit::FormFactory& forms, int icon, RunningPrograms& running,
                   ApplyHandler apply, language::Language language = language::Language::English);
    ProgramsWindow(const ProgramsWindow&) = delete;
    ProgramsWindow& operator=(const ProgramsWindow&) = delete;

    toolkit::Form& Form() { return *form_; }
    // Shows the lists in force; `fixed` names the programs an administrator's rules set, which
    // the handler is not given back. Offers the programs that show a window now.
    void Load(const ProgramsChoice& inForce, const std::vector<std::string>& fixed);
    // Whether the user has not closed it yet.
    bool Open() const { return form_->Loaded(); }

private:
    // One program of the list as the window shows it.
    struct Entry {
        std::string name;
        bool stepAside = false;
        Modes modes{};
        bool fixed = false;
    };

    void Form_Load() override {}
    void Form_Unload(bool& /*cancel*/) override {}
    void Form_KeyUp(int /*keyCode*/, int /*shift*/) override {}
    void Control_Click(int id, int index) override;
    void Control_Change(int id) override;
    void Control_LostFocus(int /*id*/) override {}

    Entry* Selected();
    void ShowSelected();
    // Whether the name in the box is listed now.
    bool AddProgram();
    void RemoveProgram();
    // Whether the lists were handed over: not while the box holds a name it refuses.
    bool ApplyControls();
    void Note(const std::string& text);

    RunningPrograms& running_;
    ApplyHandler apply_;
    language::Language language_;
    std::vector<Entry> entries_;
    bool fullScreen_ = false;
    bool anyFixed_ = false;
    bool showing_ = false;  // while the controls are filled: no change of the user's
    toolkit::FormDesign design_;
    std::unique_ptr<toolkit::Form> form_;
};

// The window in a language, with no icon of its own (ProgramsWindow gives it one).
const toolkit::FormDesign& ProgramsFormDesign(
    language::Language language = language::Language::English);

}  // namespace keystead::programs
