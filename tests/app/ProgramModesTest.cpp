// A program's own lock modes from the settings window's side, on fakes: they hold while its
// window is in front and the main settings come back the moment another one is, the keys put
// right at once either way; the tooltip and the notes say whose modes hold; the settings
// window and [main] keep the main settings; [pause] wins; the administrator's entry beats
// the user's.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainHarness.h"

namespace keystead::app::testing {
namespace {

using lockkeys::kVkCapital;

class ProgramModesTest : public MainTest {
protected:
    ProgramModesTest() {
        keyboard.toggles = true;
        foreground.program = "explorer.exe";
    }

    void Programs(const std::string& name, const std::string& modes) {
        profile.values[{"programs", name}] = modes;
    }
    bool CapsOn() { return keyboard.states[kVkCapital] != 0; }
    // Another window comes to the front once the program's last stroke is back.
    void BringToFront(const std::string& program) {
        app.tickCount += lockkeys::Enforcer::kOwnStrokeTimeoutMs;
        foreground.BringToFront(program);
    }
};

TEST_F(ProgramModesTest, APressStaysInTheProgramAndIsPutBackTheMomentAnotherComesToTheFront) {
    Programs("typer.exe", "2,,");
    Start();
    // More often than the checks made at once may correct a key: each change of windows is
    // the user's, not a fight over the key.
    for (int round = 0; round < lockkeys::Enforcer::kInstantLimit + 2; ++round) {
        foreground.BringToFront("TYPER.EXE");
        PressCaps();
        Form().Tick();
        EXPECT_TRUE(CapsOn()) << "Allow toggling, as the program has it";

        BringToFront("notepad.exe");
        EXPECT_FALSE(CapsOn()) << "the main Force off, without waiting for a tick: " << round;
    }
}

TEST_F(ProgramModesTest, ForceOnHoldsAtOnceAndTheTooltipAndNoteSayWhose) {
    Programs("typer.exe", "1,,");
    profile.values[{"display", "ShowKeys"}] = "1";
    profile.values[{"display", "CapsLockNote"}] = "1";
    profile.Put("NumLock", "2");
    Start();
    foreground.BringToFront("typer.exe");
    EXPECT_TRUE(CapsOn());
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{"Caps Lock is held on"});
    Form().Tick();
    EXPECT_EQ(Tip(),
              "Tarvine Keystead\r\nCaps Lock: on (held)\r\nNum Lock: off\r\nScroll Lock: "
              "off (held)\r\n(As set for typer.exe)");

    BringToFront("notepad.exe");
    EXPECT_FALSE(CapsOn());
    Form().Tick();
    EXPECT_EQ(Tip(),
              "Tarvine Keystead\r\nCaps Lock: off (held)\r\nNum Lock: off\r\nScroll Lock: "
              "off (held)");
}

TEST_F(ProgramModesTest, TheSettingsWindowAndMainKeepTheMainSettings) {
    Programs("typer.exe", "1,2,");
    foreground.program = "typer.exe";  // in front from the start
    Start();
    Form().RecheckTick();
    EXPECT_TRUE(CapsOn());
    EXPECT_EQ(Selected(CapsLockSetting), 0);
    EXPECT_EQ(main->Settings().CapsLockMode, lockkeys::kForceOff);

    Form().Click(ScrollLockSetting, 2);
    Form().Click(ApplyButton);
    EXPECT_EQ((profile.values[{"main", "CapsLock"}]), "0");
    EXPECT_EQ((profile.values[{"main", "ScrollLock"}]), "2");
    EXPECT_EQ((profile.values[{"programs", "typer.exe"}]), "1,2,") << "the section untouched";
    Form().Tick();
    EXPECT_TRUE(CapsOn()) << "the program's modes over the new main settings";
}

TEST_F(ProgramModesTest, AProgramOnThePauseListStepsAsideWhateverItsModes) {
    Programs("typer.exe", "1,,");
    profile.values[{"pause", "Programs"}] = "typer.exe";
    Start();
    foreground.BringToFront("typer.exe");
    Form().Tick();
    EXPECT_FALSE(CapsOn());
    EXPECT_EQ(Tip(), "Tarvine Keystead\r\n(Paused for typer.exe)");
}

TEST_F(ProgramModesTest, AnAdministratorsEntryReplacesTheUsersForTheSameProgram) {
    Programs("typer.exe", "2,,");
    registryApi.store.PutValue(registry::kHkeyLocalMachine,
                               std::string(kPolicySubKey) + "\\Programs", "Typer.exe",
                               TextValue("0,,"));
    Start();
    foreground.BringToFront("typer.exe");
    PressCaps();
    EXPECT_FALSE(CapsOn());
}

// What the Programs window's Apply does: the list is written and holds at once.
TEST_F(ProgramModesTest, AnAppliedListIsWrittenAndPutInForceAtOnce) {
    foreground.program = "typer.exe";
    Start();
    EXPECT_EQ(foreground.listener, nullptr) << "no list, no watch";
    main->ProgramsApplied(programs::BuildProgramModesList({"typer.exe=1,,"}));
    EXPECT_TRUE(CapsOn());
    EXPECT_EQ((profile.values[{"programs", "typer.exe"}]), "1,,");
    EXPECT_NE(foreground.listener, nullptr);

    app.tickCount += lockkeys::Enforcer::kOwnStrokeTimeoutMs;
    main->ProgramsApplied({});
    EXPECT_FALSE(CapsOn());
    EXPECT_EQ(profile.values.count({"programs", "typer.exe"}), 0u);
}

// The Programs window from the system menu: the file holds exactly what it applied, and that
// is in force at once.
TEST_F(ProgramModesTest, TheProgramsWindowWritesBothListsAndPutsThemInForce) {
    profile.values[{"pause", "Other"}] = "kept";
    Start();
    Form().SystemMenu(kProgramsMenuCommand);
    toolkit::fake::FakeForm& window = *factory.last;
    ASSERT_NE(&window, form);
    window.Type(programs::ProgramFileSetting, "typer.exe");
    window.Click(programs::AddProgramButton);
    window.Click(programs::CapsLockModeSetting, 2);  // Force on
    window.Type(programs::ProgramFileSetting, "game.exe");
    window.Click(programs::AddProgramButton);
    window.Click(programs::StepAsideSetting);
    window.Click(programs::ProgramsApplyButton);

    std::vector<std::string> written;
    for (const auto& [key, value] : profile.values) {
        if (key.first == "programs" || key.first == "pause") {
            written.push_back(key.first + ":" + key.second + "=" + value);
        }
    }
    EXPECT_EQ(written,
              (std::vector<std::string>{"pause:FullScreen=0", "pause:Other=kept",
                                        "pause:Programs=game.exe", "programs:typer.exe=1,,"}));
    BringToFront("typer.exe");
    EXPECT_TRUE(CapsOn());
    BringToFront("game.exe");
    Form().Tick();
    EXPECT_TRUE(CapsOn()) << "stepping aside at once";
    BringToFront("notepad.exe");
    EXPECT_FALSE(CapsOn());
}

}  // namespace
}  // namespace keystead::app::testing
