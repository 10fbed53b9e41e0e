// The programs window on a fake form: adding, editing, removing and stepping aside, what OK
// and Apply hand over, names refused with a line, and the administrator's programs greyed.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "language/Texts.h"
#include "programs/ProgramsWindow.h"
#include "programs/fake/FakeRunningPrograms.h"
#include "toolkit/fake/FakeToolkit.h"

namespace keystead::programs {
namespace {

using toolkit::kChecked;

// The modes of the three keys, -1 for the main setting.
Modes M(int caps, int num, int scroll) {
    Modes modes;
    const int given[] = {caps, num, scroll};
    for (std::size_t key = 0; key < modes.size(); ++key) {
        if (given[key] >= 0) {
            modes[key] = static_cast<lockkeys::LockMode>(given[key]);
        }
    }
    return modes;
}

ProgramsChoice Choice(const char* pause, std::vector<ProgramModes> modes, bool fullScreen = false) {
    ProgramsChoice choice;
    choice.pause.Add(pause);
    for (ProgramModes& program : modes) {
        choice.modes.Add(std::move(program));
    }
    choice.fullScreen = fullScreen;
    return choice;
}

class ProgramsWindowTest : public ::testing::Test {
protected:
    ProgramsWindowTest() { running.names = {"notepad.exe", "Excel.EXE"}; }
    toolkit::fake::FakeForm& Form() { return *forms.last; }
    std::vector<std::string> Listed() {
        std::vector<std::string> names;
        for (int item = 0; item < Form().ListCount(ProgramsList); ++item) {
            names.push_back(Form().ListText(ProgramsList, item));
        }
        return names;
    }
    std::string Note() { return Form().Caption(ProgramsNoteLabel); }

    toolkit::fake::FakeFormFactory forms;
    fake::FakeRunningPrograms running;
    std::vector<ProgramsChoice> applied;
    ProgramsWindow window{forms, 7, running,
                          [this](const ProgramsChoice& own) { applied.push_back(own); }};
};

TEST_F(ProgramsWindowTest, ShowsBothListsAndOffersTheRunningPrograms) {
    window.Load(Choice("mstsc.exe;typer.exe",
                       {{"typer.exe", M(1, -1, -1)}, {"excel.exe", M(-1, 1, -1)}}, true),
                {});
    EXPECT_EQ(Listed(), (std::vector<std::string>{"mstsc.exe", "typer.exe", "excel.exe"}));
    EXPECT_EQ(Form().ListCount(ProgramFileSetting), 2);
    EXPECT_EQ(Form().ListIndex(ProgramsList), 0);
    EXPECT_EQ(Form().CheckValue(StepAsideSetting), kChecked);
    EXPECT_FALSE(Form().ItemEnabled(CapsLockModeSetting, 1)) << "stepping aside, no modes";
    Form().Pick(ProgramsList, 2);
    EXPECT_NE(Form().CheckValue(StepAsideSetting), kChecked);
    EXPECT_TRUE(Form().OptionValue(CapsLockModeSetting, 0)) << "as the main setting";
    EXPECT_TRUE(Form().OptionValue(NumLockModeSetting, 2)) << "force on";
    EXPECT_TRUE(Form().ItemEnabled(NumLockModeSetting, 3));
    EXPECT_EQ(Form().CheckValue(FullScreenSetting), kChecked);
    EXPECT_FALSE(Form().Enabled(ProgramsApplyButton));
    EXPECT_EQ(Note(), "");
}

TEST_F(ProgramsWindowTest, ApplyHandsOverExactlyWhatWasShown) {
    window.Load(Choice("mstsc.exe;typer.exe", {{"typer.exe", M(1, -1, -1)}}), {});
    // Add one picked from the running programs, and hold Num Lock off in it.
    Form().Pick(ProgramFileSetting, 1);
    Form().Click(AddProgramButton);
    EXPECT_EQ(Form().ListIndex(ProgramsList), 2) << "the new one selected";
    EXPECT_EQ(Form().Text(ProgramFileSetting), "");
    Form().Click(NumLockModeSetting, 1);
    // Typed, with blanks around it; then it steps aside.
    Form().Type(ProgramFileSetting, "  game.exe ");
    Form().Click(AddProgramButton);
    Form().Click(StepAsideSetting);
    // mstsc.exe goes, typer.exe keeps its modes but no longer steps aside.
    Form().Pick(ProgramsList, 0);
    Form().Click(RemoveProgramButton);
    EXPECT_EQ(Form().ListIndex(ProgramsList), 0) << "the next one selected";
    Form().Click(StepAsideSetting);
    Form().Click(FullScreenSetting);
    EXPECT_TRUE(Form().Enabled(ProgramsApplyButton));
    Form().Click(ProgramsApplyButton);

    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].pause.Names(), std::vector<std::string>{"game.exe"});
    EXPECT_EQ(
        applied[0].modes.Programs(),
        (std::vector<ProgramModes>{{"typer.exe", M(1, -1, -1)}, {"Excel.EXE", M(-1, 0, -1)}}));
    EXPECT_TRUE(applied[0].fullScreen);
    EXPECT_FALSE(Form().Enabled(ProgramsApplyButton));
    EXPECT_EQ(Listed(), (std::vector<std::string>{"typer.exe", "Excel.EXE", "game.exe"}));

    // Cancel drops what was not applied; OK hands over and closes.
    Form().Click(RemoveProgramButton);
    Form().Click(ProgramsCancelButton);
    EXPECT_EQ(applied.size(), 1u);
    EXPECT_FALSE(window.Open());
}

TEST_F(ProgramsWindowTest, RefusesANameTheFileCannotHoldWithALine) {
    window.Load(Choice("", {{"typer.exe", M(-1, -1, -1)}}), {});
    const std::string refused =
        language::Say(language::Text::BadProgramName, language::Language::English);
    for (const char* name : {"", "C:\\Tools\\typer.exe", "a=b.exe", ";typer.exe", "dots."}) {
        Form().Type(ProgramFileSetting, name);
        Form().Click(AddProgramButton);
        EXPECT_EQ(Note(), refused) << name;
        EXPECT_EQ(Listed().size(), 1u) << name;
    }
    Form().Type(ProgramFileSetting, "TYPER.exe");
    EXPECT_EQ(Note(), "") << "typing clears the line";
    Form().Click(AddProgramButton);
    EXPECT_EQ(Listed().size(), 1u) << "listed already: selected, not added twice";
    for (int n = 1; n < 70; ++n) {
        Form().Type(ProgramFileSetting, "p" + std::to_string(n) + ".exe");
        Form().Click(AddProgramButton);
    }
    EXPECT_EQ(Listed().size(), ProgramModesList::kMaxPrograms);
    EXPECT_NE(Note().find("64"), std::string::npos) << Note();

    // Enter presses OK with a name still in the box: a refused one keeps the window open.
    Form().Type(ProgramFileSetting, "a/b.exe");
    Form().Click(ProgramsOKButton);
    EXPECT_TRUE(window.Open());
    EXPECT_TRUE(applied.empty());
}

TEST_F(ProgramsWindowTest, OKAddsTheNameStillInTheBox) {
    window.Load(Choice("", {}), {});
    Form().Type(ProgramFileSetting, "typer.exe");
    Form().Click(ProgramsOKButton);
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].modes.Programs(),
              (std::vector<ProgramModes>{{"typer.exe", M(-1, -1, -1)}}));
    EXPECT_FALSE(window.Open());
}

TEST_F(ProgramsWindowTest, TheAdministratorsProgramsAreGreyedAndNotHandedBack) {
    window.Load(Choice("policy.exe", {{"own.exe", M(0, 0, 0)}}), {"POLICY.exe"});
    EXPECT_FALSE(Form().Enabled(StepAsideSetting));
    EXPECT_FALSE(Form().Enabled(RemoveProgramButton));
    EXPECT_FALSE(Form().ItemEnabled(ScrollLockModeSetting, 0));
    EXPECT_EQ(Note(), language::Say(language::Text::PolicyNote, language::Language::English));
    Form().Click(RemoveProgramButton);
    EXPECT_EQ(Listed().size(), 2u);
    Form().Pick(ProgramsList, 1);
    EXPECT_TRUE(Form().Enabled(RemoveProgramButton));
    Form().Click(ProgramsOKButton);
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_TRUE(applied[0].pause.Empty());
    EXPECT_EQ(applied[0].modes.Programs(), (std::vector<ProgramModes>{{"own.exe", M(0, 0, 0)}}));
    EXPECT_FALSE(window.Open());
}

}  // namespace
}  // namespace keystead::programs
