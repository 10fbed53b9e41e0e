#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "lockkeys/Settings.h"

namespace keystead::app::testing {
namespace {

using lockkeys::kFalse;
using lockkeys::kTrue;
using registry::fake::MemoryRegistry;
using toolkit::kChecked;
using toolkit::kUnchecked;
using toolkit::fake::ProcessEnded;
using tray::kNimAdd;

class StartUpTest : public MainTest {};

TEST_F(StartUpTest, ASecondInstanceEndsAtOnceAndTouchesNothing) {
    app.prevInstance = true;
    app.files.clear();  // would show the window on a normal start
    PutRunValue(TextValue(kRunData));
    const std::size_t registryCalls = registryApi.CallCount();
    Create();

    EXPECT_THROW(Form().Load(), ProcessEnded);

    EXPECT_TRUE(app.lengthQueries.empty());
    EXPECT_TRUE(profile.reads.empty());
    EXPECT_TRUE(profile.writes.empty());
    EXPECT_EQ(registryApi.CallCount(), registryCalls);
    EXPECT_TRUE(notifyArea.calls.empty());
    EXPECT_EQ(main->TrayIcon(), nullptr);
    EXPECT_FALSE(Form().Visible());
    EXPECT_FALSE(Form().Timer().Enabled());
    EXPECT_TRUE(RunValue().has_value());
    EXPECT_EQ(app.restartRegistrations, 0) << "the running copy is the one to bring back";
}

// An upgrade of the package closes the running copy through Restart Manager, which starts
// again only the programs that asked for it.
TEST_F(StartUpTest, TheOnlyCopyAsksToBeStartedAgainAfterAnUpgrade) {
    Start();
    EXPECT_EQ(app.restartRegistrations, 1);
}

// The keys are put right as soon as the message loop runs, not one interval later.
TEST_F(StartUpTest, AKeyWrongAtStartUpIsCheckedOnceStartUpIsOver) {
    keyboard.states[lockkeys::kVkCapital] = 1;
    keyboard.states[lockkeys::kVkNumLock] = 1;  // right: "Force on"
    profile.Put("Interval", "60000");
    Start();
    ASSERT_TRUE(Form().RecheckDriver().running);
    Form().RecheckTick();
    EXPECT_EQ(keyboard.strokes.size(), 2u) << "one press and release of Caps Lock";
    EXPECT_FALSE(Form().RecheckDriver().running);
}

TEST_F(StartUpTest, WithoutASettingsFileTheWindowComesUpWithTheDefaults) {
    app.files.clear();
    Start();

    EXPECT_TRUE(Form().Visible());
    EXPECT_EQ(Selected(CapsLockSetting), 0);
    EXPECT_EQ(Selected(NumLockSetting), 1);
    EXPECT_EQ(Selected(ScrollLockSetting), 0);
    EXPECT_EQ(Interval(), "1000");
    EXPECT_EQ(Form().CheckValue(AutoRunSetting), kUnchecked);
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_EQ(main->Settings().CapsLockMode, 0);
    EXPECT_EQ(main->Settings().NumLockMode, 1);
    EXPECT_EQ(main->Settings().ScrollLockMode, 0);
    EXPECT_EQ(main->Settings().AutoRun, kFalse);
    EXPECT_EQ(Form().Caption(SuspendButton), "Susp&end");
}

TEST_F(StartUpTest, PutsTheIconInTheTrayAndStartsTheTimer) {
    app.files.clear();
    Start();

    ASSERT_EQ(notifyArea.calls.size(), 1u);
    const auto& call = notifyArea.calls[0];
    EXPECT_EQ(call.operation, kNimAdd);
    EXPECT_EQ(call.record.uID, 1u);
    EXPECT_EQ(call.record.hWnd, kFormHandle);
    EXPECT_EQ(call.record.hIcon, Form().Icon().Handle());
    EXPECT_EQ(call.record.uFlags, 0x87u);
    EXPECT_EQ(call.record.uCallbackMessage, 512u);
    EXPECT_EQ(call.Tip(), TipField("Tarvine Keystead"));
    ASSERT_NE(main->TrayIcon(), nullptr);
    EXPECT_EQ(main->TrayIcon()->OwnerForm(), &Form());

    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(Form().Timer().Interval(), 1000);
    EXPECT_EQ(Form().TimerDriver().period, 1000u);
}

TEST_F(StartUpTest, ReadsTheSettingsFileBesideTheProgram) {
    Start();
    EXPECT_EQ(app.lengthQueries, std::vector<std::string>{kSettingsPath});
    const std::string at = std::string("@") + kSettingsPath;
    EXPECT_EQ(
        profile.reads,
        (std::vector<std::string>{
            "CapsLock" + at, "NumLock" + at, "ScrollLock" + at, "Interval" + at, "Programs" + at,
            "FullScreen" + at, "ShowKeys" + at, "CapsLockNote" + at, "NumLockNote" + at,
            "ScrollLockNote" + at, "NotePosition" + at, "NoteTime" + at, "NoteMonitor" + at,
            "CapsLockSound" + at, "NumLockSound" + at, "ScrollLockSound" + at}));
}

TEST_F(StartUpTest, AnExistingSettingsFileKeepsTheWindowHidden) {
    app.files[kSettingsPath] = 1;
    Start();
    EXPECT_FALSE(Form().Visible());
    EXPECT_TRUE(Form().Loaded());
    EXPECT_EQ(notifyArea.calls.size(), 1u);
    EXPECT_TRUE(TimerOn());
}

TEST_F(StartUpTest, AnEmptySettingsFileShowsTheWindow) {
    app.files[kSettingsPath] = 0;
    Start();
    EXPECT_TRUE(Form().Visible());
}

TEST_F(StartUpTest, FromADriveRootTheFileNameHasTwoBackslashes) {
    app.path = "C:\\";
    app.files.clear();
    app.files["C:\\\\Keystead.ini"] = 30;
    Start();
    EXPECT_EQ(app.lengthQueries, std::vector<std::string>{"C:\\\\Keystead.ini"});
    EXPECT_FALSE(Form().Visible());
}

TEST_F(StartUpTest, TheControlsShowTheSettingsFromTheFile) {
    profile.Put("CapsLock", "2");
    profile.Put("NumLock", "0");
    profile.Put("ScrollLock", "1");
    profile.Put("Interval", "250");
    Start();

    EXPECT_EQ(Selected(CapsLockSetting), 2);
    EXPECT_EQ(Selected(NumLockSetting), 0);
    EXPECT_EQ(Selected(ScrollLockSetting), 1);
    EXPECT_EQ(Interval(), "250");
    EXPECT_EQ(main->Settings().CapsLockMode, 2);
    EXPECT_EQ(main->Settings().NumLockMode, 0);
    EXPECT_EQ(main->Settings().ScrollLockMode, 1);
    EXPECT_EQ(Form().Timer().Interval(), 250);
    EXPECT_EQ(Form().TimerDriver().period, 250u);
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(StartUpTest, AnIntervalTheTimerRefusesKeepsTheDefault) {
    profile.Put("Interval", "70000");
    Start();
    EXPECT_EQ(Form().Timer().Interval(), 1000);
    EXPECT_EQ(Interval(), "1000");
    EXPECT_TRUE(TimerOn());
}

TEST_F(StartUpTest, TheBoxShowsTheIntervalAsPlainDigits) {
    profile.Put("Interval", "0");
    Start();
    EXPECT_EQ(Interval(), "0");
    EXPECT_EQ(Form().Timer().Interval(), 0);
}

TEST_F(StartUpTest, NoCheckRunsDuringStartUp) {
    keyboard.states[lockkeys::kVkCapital] = 1;
    Start();
    EXPECT_TRUE(keyboard.reads.empty());
    EXPECT_TRUE(keyboard.strokes.empty());
}

TEST_F(StartUpTest, TheWindowIsCreatedHiddenWithItsTimerOff) {
    app.files.clear();
    Create();
    EXPECT_FALSE(Form().Visible());
    EXPECT_FALSE(Form().Timer().Enabled());
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_TRUE(notifyArea.calls.empty());
}

// --- The start-with-Windows registration --------------------------------------------------

struct RunEntry {
    std::string name;
    std::optional<MemoryRegistry::StoredValue> value;
    int box;
};

std::ostream& operator<<(std::ostream& out, const RunEntry& entry) {
    return out << entry.name;
}

class RunValueTest : public MainTest, public ::testing::WithParamInterface<RunEntry> {};

TEST_P(RunValueTest, TicksTheBoxExactlyForANonEmptyValue) {
    if (GetParam().value) {
        PutRunValue(*GetParam().value);
    }
    Start();
    EXPECT_EQ(Form().CheckValue(AutoRunSetting), GetParam().box);
    EXPECT_EQ(main->Settings().AutoRun, GetParam().box == kChecked ? kTrue : kFalse);
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(notifyArea.calls.size(), 1u);
    EXPECT_EQ(registryApi.store.OpenHandleCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RunValueTest,
    ::testing::Values(
        RunEntry{"Missing", std::nullopt, kUnchecked},
        RunEntry{"OwnPath", TextValue(kRunData), kChecked},
        RunEntry{"AnyText", TextValue("x"), kChecked},
        RunEntry{"EmptyText", TextValue(""), kUnchecked},
        RunEntry{"LoneNul", TextValue(std::string(1, '\0')), kUnchecked},  // an empty string
        RunEntry{"TextAndNul", TextValue(kRunData + std::string(1, '\0')), kChecked},
        RunEntry{"Dword", MemoryRegistry::StoredValue{registry::kRegDword, {0, 0, 0, 0}}, kChecked},
        RunEntry{"Binary", MemoryRegistry::StoredValue{registry::kRegBinary, {1, 2}}, kUnchecked},
        RunEntry{"ExpandSz", MemoryRegistry::StoredValue{registry::kRegExpandSz, {'a', 0}},
                 kUnchecked}),
    [](const ::testing::TestParamInfo<RunEntry>& given) { return given.param.name; });

TEST_F(StartUpTest, WithoutTheRunKeyTheBoxIsUnticked) {
    registryApi.store = MemoryRegistry();
    Start();
    EXPECT_EQ(Form().CheckValue(AutoRunSetting), kUnchecked);
    EXPECT_TRUE(TimerOn());
}

// A standard user may read the machine-wide key but not write it; reading asks no more.
TEST_F(StartUpTest, ARunKeyThatOnlyGrantsReadingStillTicksTheBox) {
    PutRunValue(TextValue(kRunData));
    registryApi.store.SetAllowedAccess(registry::kRunRoot, std::string(registry::kRunSubKey),
                                       registry::kKeyRead);
    Start();
    EXPECT_EQ(Form().CheckValue(AutoRunSetting), kChecked);
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(notifyArea.calls.size(), 1u);
}

// --- A mode that has no button --------------------------------------------------------------

struct StrangeMode {
    std::string key;
    int group;
    std::string text;
    lockkeys::LockMode mode;
};

std::ostream& operator<<(std::ostream& out, const StrangeMode& strange) {
    return out << strange.key << "=" << strange.text;
}

class StrangeModeTest : public MainTest, public ::testing::WithParamInterface<StrangeMode> {
protected:
    void SetUp() override {
        profile.Put("CapsLock", "1");
        profile.Put("NumLock", "2");
        profile.Put("ScrollLock", "1");
        profile.Put("Interval", "450");
        profile.Put(GetParam().key, GetParam().text);
    }

    int Expected(int group) const {
        if (group == GetParam().group) {
            return -1;
        }
        return group == NumLockSetting ? 2 : 1;
    }

    lockkeys::LockMode ModeOf(int group) const {
        const lockkeys::Settings& settings = main->Settings();
        return group == CapsLockSetting  ? settings.CapsLockMode
               : group == NumLockSetting ? settings.NumLockMode
                                         : settings.ScrollLockMode;
    }
};

TEST_P(StrangeModeTest, ThatGroupShowsNoButtonAndStartUpGoesOn) {
    app.files[kSettingsPath] = 0;
    Start();
    for (int group : {CapsLockSetting, NumLockSetting, ScrollLockSetting}) {
        EXPECT_EQ(Selected(group), Expected(group)) << group;
    }
    EXPECT_EQ(ModeOf(GetParam().group), GetParam().mode);
    EXPECT_EQ(Interval(), "450");
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_TRUE(Form().Visible());
    ASSERT_EQ(notifyArea.calls.size(), 1u);
    EXPECT_EQ(notifyArea.calls[0].operation, kNimAdd);
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(Form().Timer().Interval(), 450);
}

TEST_P(StrangeModeTest, ApplyWithoutTouchingThatGroupKeepsTheMode) {
    Start();
    Form().Click(AutoRunSetting);
    ASSERT_NO_THROW(Form().Click(ApplyButton));
    EXPECT_EQ(ModeOf(GetParam().group), GetParam().mode);
    EXPECT_EQ(main->Settings().AutoRun, kTrue);
    ASSERT_NO_THROW(Form().Click(OKButton));
    EXPECT_EQ(ModeOf(GetParam().group), GetParam().mode);
}

TEST_P(StrangeModeTest, CancelShowsNoButtonAgain) {
    Start();
    Form().Click(GetParam().group, 2);
    ASSERT_NO_THROW(Form().Click(CancelButton));
    EXPECT_EQ(Selected(GetParam().group), -1);
    EXPECT_EQ(ModeOf(GetParam().group), GetParam().mode);
    EXPECT_FALSE(ApplyEnabled());
}

TEST_P(StrangeModeTest, PickingAButtonReplacesIt) {
    Start();
    Form().Click(GetParam().group, 0);
    Form().Click(ApplyButton);
    EXPECT_EQ(ModeOf(GetParam().group), 0);
}

TEST_P(StrangeModeTest, TheModeIsSavedAsItWas) {
    Start();
    Form().Click(ApplyButton);
    Form().Unload();
    const std::pair<std::string, std::string> key{"main", GetParam().key};
    EXPECT_EQ(profile.values[key], std::to_string(GetParam().mode));
}

INSTANTIATE_TEST_SUITE_P(Modes, StrangeModeTest,
                         ::testing::Values(StrangeMode{"CapsLock", CapsLockSetting, "7", 7},
                                           StrangeMode{"NumLock", NumLockSetting, "7", 7},
                                           StrangeMode{"ScrollLock", ScrollLockSetting, "7", 7},
                                           StrangeMode{"CapsLock", CapsLockSetting, "-1", -1},
                                           StrangeMode{"NumLock", NumLockSetting, "3", 3},
                                           StrangeMode{"ScrollLock", ScrollLockSetting, "32767",
                                                       32767}));

}  // namespace
}  // namespace keystead::app::testing
