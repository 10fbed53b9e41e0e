// When the program steps aside, driven through a fake of the foreground: the listed
// programs, the full-screen rule over every answer the shell gives, and that no rule means
// no question to the platform.
#include <gtest/gtest.h>

#include <string>

#include "pause/StepAside.h"
#include "pause/fake/FakeForeground.h"

namespace keystead::pause {
namespace {

using State = UserNotificationState;

TEST(FullScreenRule, OnlyAFullScreenProgramOrPresentationCounts) {
    struct Case {
        State state;
        bool busy;
    };
    const Case cases[] = {
        {State::Unknown, false},
        {State::NotPresent, false},
        {State::Busy, true},
        {State::RunningD3dFullScreen, true},
        {State::PresentationMode, true},
        {State::AcceptsNotifications, false},
        {State::QuietTime, false},
        {State::App, false},
        {static_cast<State>(99), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FullScreenBusy(c.state, true), c.busy) << static_cast<int>(c.state);
    }
}

// "Busy" also comes for an overlay or a borderless window over a bare desktop: it counts only
// with a window in front that covers its monitor.
TEST(FullScreenRule, BusyWithTheDesktopInFrontDoesNotStepAside) {
    FakeForeground foreground;
    foreground.program = "explorer.exe";
    StepAside stepAside(foreground);
    stepAside.SetRules(BuildProgramList(""), true);
    struct Case {
        State state;
        bool covers;
        bool active;
    };
    for (const Case& c : {Case{State::Busy, false, false}, Case{State::Busy, true, true},
                          Case{State::PresentationMode, false, true}}) {
        foreground.state = c.state;
        foreground.frontCoversMonitor = c.covers;
        stepAside.Update();
        EXPECT_EQ(stepAside.Active(), c.active) << static_cast<int>(c.state) << c.covers;
    }
}

TEST(StepAside, WithoutRulesThePlatformIsNeverAsked) {
    FakeForeground foreground;
    foreground.program = "mstsc.exe";
    foreground.state = State::RunningD3dFullScreen;
    StepAside stepAside(foreground);
    stepAside.SetRules(BuildProgramList(";;C:\\x.exe"), false);
    EXPECT_FALSE(stepAside.HasRules());
    EXPECT_FALSE(stepAside.Update());
    EXPECT_FALSE(stepAside.Active());
    EXPECT_EQ(foreground.nameQuestions + foreground.stateQuestions, 0);
}

TEST(StepAside, FollowsTheProgramInFrontAndTheFullScreenRule) {
    struct Case {
        const char* list;
        bool fullScreen;
        const char* program;
        State state;
        bool active;
        const char* shown;  // the program stepped aside for
    };
    const Case cases[] = {
        {"mstsc.exe", false, "mstsc.exe", State::AcceptsNotifications, true, "mstsc.exe"},
        {"mstsc.exe", false, "MSTSC.EXE", State::AcceptsNotifications, true, "MSTSC.EXE"},
        {"mstsc.exe", false, "notepad.exe", State::AcceptsNotifications, false, ""},
        {"mstsc.exe", false, "", State::AcceptsNotifications, false, ""},          // unreadable
        {"mstsc.exe", false, "game.exe", State::RunningD3dFullScreen, false, ""},  // rule off
        {"", true, "game.exe", State::RunningD3dFullScreen, true, "game.exe"},
        {"", true, "slides.exe", State::Busy, true, "slides.exe"},
        {"", true, "", State::Busy, true, ""},  // a full-screen program whose name is hidden
        {"", true, "notepad.exe", State::AcceptsNotifications, false, ""},
        {"", true, "notepad.exe", State::Unknown, false, ""},
        {"mstsc.exe", true, "mstsc.exe", State::AcceptsNotifications, true, "mstsc.exe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " / " + c.program);
        FakeForeground foreground;
        foreground.program = c.program;
        foreground.state = c.state;
        StepAside stepAside(foreground);
        stepAside.SetRules(BuildProgramList(c.list), c.fullScreen);
        EXPECT_EQ(stepAside.Update(), c.active) << "a change from not stepping aside";
        EXPECT_EQ(stepAside.Active(), c.active);
        EXPECT_EQ(stepAside.Program(), c.shown);
        EXPECT_FALSE(stepAside.Update()) << "nothing changed since";
    }
}

TEST(StepAside, ReportsEachChangeOfTheProgramInFront) {
    FakeForeground foreground;
    StepAside stepAside(foreground);
    stepAside.SetRules(BuildProgramList("mstsc.exe;vmconnect.exe"), false);

    struct Step {
        const char* program;
        bool changed;
        bool active;
    };
    const Step steps[] = {
        {"explorer.exe", false, false},
        {"mstsc.exe", true, true},
        {"vmconnect.exe", true, true},  // still aside, for another program
        {"vmconnect.exe", false, true},
        {"notepad.exe", true, false},
        {"", false, false},
    };
    for (const Step& step : steps) {
        foreground.program = step.program;
        EXPECT_EQ(stepAside.Update(), step.changed) << step.program;
        EXPECT_EQ(stepAside.Active(), step.active) << step.program;
    }
}

}  // namespace
}  // namespace keystead::pause
