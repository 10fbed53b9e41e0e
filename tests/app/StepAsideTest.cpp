// Stepping aside from the settings window's side, on fakes: no key is put back while a listed
// or full-screen program is in front, the keys are checked at once when it leaves, the
// tooltip tells why, and an empty list asks nothing of the platform.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "policies/Policies.h"

namespace keystead::app::testing {
namespace {

using lockkeys::kVkCapital;
using pause::UserNotificationState;

class StepAsideTest : public MainTest {
protected:
    StepAsideTest() {
        keyboard.states = {{kVkCapital, 1}};  // Caps Lock on, against "Force off"
        foreground.program = "explorer.exe";
    }

    void Pause(const std::string& key, const std::string& value) {
        profile.values[{"pause", key}] = value;
    }

    int CapsPresses() const {
        int presses = 0;
        for (const auto& stroke : keyboard.strokes) {
            if (stroke.virtualKey == kVkCapital && (stroke.flags & lockkeys::kKeyEventKeyUp) == 0) {
                ++presses;
            }
        }
        return presses;
    }
};

TEST_F(StepAsideTest, AnEmptyListAsksNothingAndWatchesNothing) {
    for (const char* list : {"", ";; ;", "C:\\Tools\\x.exe"}) {
        Pause("Programs", list);
        Start();
        Form().Tick();
        Form().RawKeyUp(kVkCapital);
        EXPECT_EQ(foreground.nameQuestions + foreground.stateQuestions, 0) << list;
        EXPECT_EQ(foreground.listener, nullptr) << list;
        EXPECT_EQ(Tip(), "Tarvine Keystead") << list;
    }
}

TEST_F(StepAsideTest, NoKeyIsPutBackWhileAListedProgramIsInFront) {
    Pause("Programs", "mstsc.exe;VMConnect.exe");
    Start();
    foreground.BringToFront("VMCONNECT.EXE");
    Form().Tick();
    Form().RawKeyUp(kVkCapital);
    Form().SessionUnlock();
    Form().PowerResume();
    EXPECT_EQ(CapsPresses(), 0);
    EXPECT_EQ(Tip(), "Tarvine Keystead\r\n(Paused for VMCONNECT.EXE)");
    EXPECT_EQ(LastTrayCall().record.hIcon, Form().Icon().Handle()) << "the colour shows suspension";

    foreground.BringToFront("notepad.exe");
    EXPECT_EQ(CapsPresses(), 1) << "checked at once when the program leaves the front";
    EXPECT_EQ(Tip(), "Tarvine Keystead");
}

TEST_F(StepAsideTest, AListedProgramInFrontAtStartUpPausesFromTheFirstTick) {
    Pause("Programs", "mstsc.exe");
    foreground.program = "mstsc.exe";
    Start();
    EXPECT_EQ(Tip(), "Tarvine Keystead\r\n(Paused for mstsc.exe)");
    Form().Tick();
    EXPECT_EQ(CapsPresses(), 0);

    // No foreground notice came (the hook missed it): the next tick finds out and checks.
    foreground.program = "notepad.exe";
    Form().Tick();
    EXPECT_EQ(CapsPresses(), 1);
    EXPECT_EQ(Tip(), "Tarvine Keystead");
}

TEST_F(StepAsideTest, AnotherWindowInFrontChecksNothingWhenNotSteppingAside) {
    Pause("Programs", "mstsc.exe");
    Start();
    foreground.BringToFront("notepad.exe");
    foreground.BringToFront("calc.exe");
    EXPECT_EQ(CapsPresses(), 0) << "only the end of stepping aside checks at once";
}

TEST_F(StepAsideTest, TheFullScreenRuleIsOffUnlessExactlyOne) {
    struct Case {
        const char* value;
        bool paused;
    };
    const Case cases[] = {{"1", true}, {"0", false}, {"2", false}, {"yes", false}, {"", false}};
    for (const Case& c : cases) {
        keyboard.strokes.clear();
        Pause("FullScreen", c.value);
        foreground.state = UserNotificationState::RunningD3dFullScreen;
        foreground.program = "game.exe";
        Start();
        Form().Tick();
        EXPECT_EQ(CapsPresses(), c.paused ? 0 : 1) << c.value;

        foreground.state = UserNotificationState::AcceptsNotifications;
        keyboard.strokes.clear();
        app.tickCount += lockkeys::Enforcer::kOwnStrokeTimeoutMs;  // a correction never came back
        Form().Tick();
        EXPECT_EQ(CapsPresses(), 1) << c.value << ": the full-screen program is gone";
    }
}

TEST_F(StepAsideTest, SuspensionAndSteppingAsideShowSideBySide) {
    Pause("Programs", "mstsc.exe");
    Start();
    Form().Click(SuspendButton);
    foreground.BringToFront("mstsc.exe");
    EXPECT_EQ(Tip(), "Tarvine Keystead\r\n(Suspended)\r\n(Paused for mstsc.exe)");
    EXPECT_EQ(LastTrayCall().record.hIcon, Form().PictureOf(SuspendedIcon).Handle());

    foreground.BringToFront("notepad.exe");
    EXPECT_EQ(Tip(), "Tarvine Keystead\r\n(Suspended)");
    EXPECT_EQ(CapsPresses(), 0) << "still suspended";

    Form().Click(SuspendButton);
    foreground.BringToFront("mstsc.exe");
    Form().Click(SuspendButton);
    Form().Click(SuspendButton);
    EXPECT_EQ(Tip(), "Tarvine Keystead\r\n(Paused for mstsc.exe)") << "resuming keeps the line";
}

// Not left up until the next tick, which with an interval of 0 never comes.
TEST_F(StepAsideTest, ALastingNoteGoesAtOnceWhenSteppingAsideBeginsAndComesBackAfter) {
    using Lines = std::vector<std::string>;
    Pause("Programs", "mstsc.exe");
    profile.Put("Interval", "0");
    profile.Put("NumLock", "2");
    profile.values[{"display", "NumLockNote"}] = "3";
    keyboard.states[lockkeys::kVkNumLock] = 1;
    Start();
    Form().RecheckTick();  // the first look at the keys, as the message loop starts
    EXPECT_EQ(notes.lasting, Lines{"Num Lock on"});
    foreground.BringToFront("mstsc.exe");
    EXPECT_EQ(notes.lasting, Lines{});
    foreground.BringToFront("notepad.exe");
    EXPECT_EQ(notes.lasting, Lines{"Num Lock on"});
}

// The key the program left wrong is put back as soon as it leaves, and that shows as any
// other key put back does.
TEST_F(StepAsideTest, TheKeyPutBackWhenSteppingAsideEndsShowsItsNote) {
    Pause("Programs", "mstsc.exe");
    profile.values[{"display", "CapsLockNote"}] = "1";
    Start();
    foreground.BringToFront("mstsc.exe");
    Form().RecheckTick();
    ASSERT_EQ(CapsPresses(), 0);
    foreground.BringToFront("notepad.exe");
    EXPECT_EQ(CapsPresses(), 1);
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{"Caps Lock is held off"});
}

TEST_F(StepAsideTest, EndingTheProgramStopsWatchingTheForeground) {
    Pause("Programs", "mstsc.exe");
    Start();
    ASSERT_NE(foreground.listener, nullptr);
    Form().Unload();
    const std::size_t trayCalls = notifyArea.calls.size();
    foreground.BringToFront("mstsc.exe");
    EXPECT_EQ(foreground.listener, nullptr);
    EXPECT_EQ(notifyArea.calls.size(), trayCalls) << "the icon stays removed";
}

TEST_F(StepAsideTest, TheTooltipStaysWithinWhatTheNotificationAreaHolds) {
    const std::string longName = std::string(200, 'x') + ".exe";
    Pause("Programs", longName + ";\xC3\xA9t\xC3\xA9.exe");
    Start();
    Form().Click(SuspendButton);
    foreground.BringToFront(longName);
    const std::string tip = Tip();
    EXPECT_EQ(tip.size(), tray::kMaxTooltipLength);
    EXPECT_TRUE(tip.starts_with("Tarvine Keystead\r\n(Suspended)\r\n(Paused for xxx"));
    EXPECT_TRUE(tip.ends_with("...)"));

    foreground.BringToFront("\xC3\xA9t\xC3\xA9.exe");
    EXPECT_EQ(Tip(), "Tarvine Keystead\r\n(Suspended)\r\n(Paused for \xC3\xA9t\xC3\xA9.exe)");
}

// The administrator's list adds to the file's, and lifting it lets the keys be put back at once.
TEST_F(StepAsideTest, ThePolicyListAddsToTheFilesAndComesAndGoesWithThePolicy) {
    const std::string policyKey = kPolicySubKey;
    Pause("Programs", "mstsc.exe");
    registryApi.store.PutValue(registry::kHkeyLocalMachine, policyKey, "PausePrograms",
                               TextValue("game.exe"));
    foreground.program = "game.exe";
    Start();
    Form().Tick();
    EXPECT_EQ(CapsPresses(), 0);
    EXPECT_EQ(Tip(), "Tarvine Keystead\r\n(Paused for game.exe)");

    registry::KeyHandle key = 0;
    registryApi.store.OpenKey(registry::kHkeyLocalMachine, policyKey, 0, registry::kKeySetValue,
                              key);
    registryApi.store.DeleteValue(key, "PausePrograms");
    registryApi.store.CloseKey(key);
    Form().PolicyChange();
    EXPECT_EQ(CapsPresses(), 1) << "checked at once when the rule is lifted";
    EXPECT_EQ(Tip(), "Tarvine Keystead");
}

}  // namespace
}  // namespace keystead::app::testing
