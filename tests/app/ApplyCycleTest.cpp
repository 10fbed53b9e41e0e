#include <functional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "MainHarness.h"
#include "lockkeys/Settings.h"

namespace keystead::app::testing {
namespace {

using lockkeys::kFalse;
using lockkeys::kTrue;
using lockkeys::LockMode;
using toolkit::kChecked;
using toolkit::kGrayed;
using toolkit::kUnchecked;

LockMode ModeOf(const lockkeys::Settings& settings, int group) {
    switch (group) {
        case CapsLockSetting:
            return settings.CapsLockMode;
        case NumLockSetting:
            return settings.NumLockMode;
        default:
            return settings.ScrollLockMode;
    }
}

// --- Which button stands for which mode -----------------------------------------------------

struct ButtonChoice {
    int group;
    int index;
    LockMode mode;
};

std::ostream& operator<<(std::ostream& out, const ButtonChoice& choice) {
    return out << "group " << choice.group << " index " << choice.index;
}

class ModeButtonTest : public MainTest, public ::testing::WithParamInterface<ButtonChoice> {};

TEST_P(ModeButtonTest, ApplyStoresTheIndexOfTheSelectedButtonAsTheMode) {
    // Each key starts in another mode, so that every button's click is an edit to apply.
    const char* key = GetParam().group == CapsLockSetting  ? "CapsLock"
                      : GetParam().group == NumLockSetting ? "NumLock"
                                                           : "ScrollLock";
    profile.Put(key, std::to_string((GetParam().mode + 1) % 3));
    Start();
    ASSERT_NE(ModeOf(main->Settings(), GetParam().group), GetParam().mode);
    Form().Click(GetParam().group, GetParam().index);
    ASSERT_TRUE(ApplyEnabled());
    Form().Click(ApplyButton);
    EXPECT_EQ(ModeOf(main->Settings(), GetParam().group), GetParam().mode);
}

TEST_P(ModeButtonTest, SelectingAButtonClearsOnlyItsOwnGroup) {
    Start();
    Form().Click(GetParam().group, GetParam().index);
    EXPECT_EQ(Selected(GetParam().group), GetParam().index);
    for (int other : {CapsLockSetting, NumLockSetting, ScrollLockSetting}) {
        if (other != GetParam().group) {
            EXPECT_EQ(Selected(other), other == NumLockSetting ? 1 : 0) << other;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryButton, ModeButtonTest,
    ::testing::Values(
        // The leftmost button, "Allow toggling", is index 2; "Force off" 0; "Force on" 1.
        ButtonChoice{CapsLockSetting, 2, lockkeys::kAllowToggling},
        ButtonChoice{CapsLockSetting, 0, lockkeys::kForceOff},
        ButtonChoice{CapsLockSetting, 1, lockkeys::kForceOn},
        ButtonChoice{NumLockSetting, 2, lockkeys::kAllowToggling},
        ButtonChoice{NumLockSetting, 0, lockkeys::kForceOff},
        ButtonChoice{NumLockSetting, 1, lockkeys::kForceOn},
        ButtonChoice{ScrollLockSetting, 2, lockkeys::kAllowToggling},
        ButtonChoice{ScrollLockSetting, 0, lockkeys::kForceOff},
        ButtonChoice{ScrollLockSetting, 1, lockkeys::kForceOn}));

class ApplyTest : public MainTest {};

TEST_F(ApplyTest, SetsAllThreeModesTheIntervalAndAutoRunAtOnce) {
    Start();
    Form().Click(CapsLockSetting, 1);
    Form().Click(NumLockSetting, 2);
    Form().Click(ScrollLockSetting, 2);
    Form().Type(IntervalSetting, "750");
    Form().Click(AutoRunSetting);
    Form().Click(ApplyButton);

    EXPECT_EQ(main->Settings().CapsLockMode, 1);
    EXPECT_EQ(main->Settings().NumLockMode, 2);
    EXPECT_EQ(main->Settings().ScrollLockMode, 2);
    EXPECT_EQ(main->Settings().AutoRun, kTrue);
    EXPECT_EQ(Form().Timer().Interval(), 750);
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(Form().TimerDriver().period, 750u);
    EXPECT_FALSE(ApplyEnabled());
}

// Task Manager's "End task", a crash or a power cut must not lose what was applied: Apply and
// OK write the file and the registration as the end does.
TEST_F(ApplyTest, ApplyAndOKWriteTheFileAndTheRegistryAtOnce) {
    Start();
    Form().Click(CapsLockSetting, 1);
    Form().Click(AutoRunSetting);
    Form().Type(IntervalSetting, "750");
    Form().Click(ApplyButton);
    EXPECT_EQ(profile.values, (MemoryProfile::Values{{{"main", "CapsLock"}, "1"},
                                                     {{"main", "NumLock"}, "1"},
                                                     {{"main", "ScrollLock"}, "0"},
                                                     {{"main", "Interval"}, "750"}}));
    EXPECT_EQ(RunValueText(), kRunData);

    Form().Click(ScrollLockSetting, 2);
    Form().Click(AutoRunSetting);  // untick
    Form().Click(OKButton);
    const std::pair<std::string, std::string> scrollLock{"main", "ScrollLock"};
    EXPECT_EQ(profile.values[scrollLock], "2");
    EXPECT_FALSE(RunValue().has_value());
    EXPECT_EQ(registryApi.store.OpenHandleCount(), 0u);
}

TEST_F(ApplyTest, EditsNotYetAppliedWriteNothing) {
    Start();
    const std::size_t registryCalls = registryApi.CallCount();
    Form().Click(CapsLockSetting, 1);
    Form().Click(AutoRunSetting);
    Form().Click(CancelButton);
    EXPECT_TRUE(profile.writes.empty());
    EXPECT_EQ(registryApi.CallCount(), registryCalls);
}

TEST_F(ApplyTest, KeepsTheWindowAsItIs) {
    app.files[kSettingsPath] = 0;  // first run: shown
    Start();
    Form().Click(CapsLockSetting, 2);
    Form().Click(ApplyButton);
    EXPECT_TRUE(Form().Visible());
    EXPECT_EQ(Selected(CapsLockSetting), 2);
}

TEST_F(ApplyTest, WhileSuspendedAppliesButStaysSuspended) {
    Start();
    Form().Click(SuspendButton);
    const std::size_t trayCalls = notifyArea.calls.size();

    Form().Click(CapsLockSetting, 1);
    Form().Type(IntervalSetting, "300");
    Form().Click(ApplyButton);

    EXPECT_EQ(main->Settings().CapsLockMode, 1);
    EXPECT_EQ(Form().Timer().Interval(), 300);
    EXPECT_FALSE(Form().Timer().Enabled());
    EXPECT_FALSE(Form().TimerDriver().running);
    EXPECT_EQ(Form().Caption(SuspendButton), "R&esume");
    EXPECT_EQ(notifyArea.calls.size(), trayCalls);  // the suspended icon stays
    EXPECT_EQ(LastTrayCall().record.hIcon, Form().PictureOf(SuspendedIcon).Handle());
}

TEST_F(ApplyTest, OKWhileSuspendedStaysSuspendedAndResumeUsesTheNewInterval) {
    Start();
    Form().Click(SuspendButton);
    Form().Type(IntervalSetting, "400");
    Form().Click(OKButton);
    EXPECT_FALSE(Form().Timer().Enabled());
    EXPECT_FALSE(Form().Visible());

    Form().Click(SuspendButton);
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(Form().TimerDriver().period, 400u);
}

// --- Apply and OK with a text the check on leaving the box has not seen -------------------------

struct Unchecked {
    std::string typed;
    int applied;
};

std::ostream& operator<<(std::ostream& out, const Unchecked& value) {
    return out << '"' << value.typed << "\" -> " << value.applied;
}

class ApplyUncheckedTextTest : public MainTest, public ::testing::WithParamInterface<Unchecked> {};

TEST_P(ApplyUncheckedTextTest, ApplyTakesTheCorrectedValueAndShowsIt) {
    Start();
    Form().Type(IntervalSetting, GetParam().typed);
    ASSERT_NO_THROW(Form().Click(ApplyButton));
    EXPECT_EQ(Form().Timer().Interval(), GetParam().applied);
    EXPECT_EQ(Interval(), std::to_string(GetParam().applied));
    EXPECT_TRUE(TimerOn());
    EXPECT_FALSE(ApplyEnabled());
}

TEST_P(ApplyUncheckedTextTest, OKTakesTheCorrectedValueAndHides) {
    app.files[kSettingsPath] = 0;
    Start();
    Form().Type(IntervalSetting, GetParam().typed);
    ASSERT_NO_THROW(Form().Click(OKButton));
    EXPECT_EQ(Form().Timer().Interval(), GetParam().applied);
    EXPECT_EQ(Interval(), std::to_string(GetParam().applied));
    EXPECT_FALSE(Form().Visible());
    EXPECT_TRUE(TimerOn());
}

TEST_P(ApplyUncheckedTextTest, TheOtherSettingsAreAppliedToo) {
    Start();
    Form().Click(ScrollLockSetting, 1);
    Form().Click(AutoRunSetting);
    Form().Type(IntervalSetting, GetParam().typed);
    ASSERT_NO_THROW(Form().Click(ApplyButton));
    EXPECT_EQ(main->Settings().ScrollLockMode, 1);
    EXPECT_EQ(main->Settings().AutoRun, kTrue);
}

INSTANTIATE_TEST_SUITE_P(OutOfRange, ApplyUncheckedTextTest,
                         ::testing::Values(Unchecked{"5", 20}, Unchecked{"100000", 60000},
                                           Unchecked{"abc", 1000}, Unchecked{"", 1000},
                                           Unchecked{"-3", 20}, Unchecked{"65536", 60000},
                                           Unchecked{"4294967296", 60000},
                                           Unchecked{"1e400", 60000}, Unchecked{"-1e400", 20},
                                           Unchecked{"99999999999999999999", 60000}));

INSTANTIATE_TEST_SUITE_P(InRange, ApplyUncheckedTextTest,
                         ::testing::Values(Unchecked{"250.9", 250}, Unchecked{"20", 20},
                                           Unchecked{"60000", 60000}, Unchecked{"2.5e2", 250}));

// --- Cancel and OK --------------------------------------------------------------------------

class CancelAndOKTest : public MainTest {};

TEST_F(CancelAndOKTest, CancelAfterEditsShowsTheAppliedValuesAgainAndHides) {
    app.files[kSettingsPath] = 0;
    profile.Put("CapsLock", "2");
    profile.Put("Interval", "500");
    PutRunValue(TextValue(kRunData));
    Start();
    ASSERT_TRUE(Form().Visible());

    Form().Click(CapsLockSetting, 1);
    Form().Click(NumLockSetting, 0);
    Form().Click(ScrollLockSetting, 2);
    Form().Type(IntervalSetting, "7");
    Form().LeaveField(IntervalSetting);
    Form().Click(AutoRunSetting);
    Form().Click(CancelButton);

    EXPECT_EQ(Selected(CapsLockSetting), 2);
    EXPECT_EQ(Selected(NumLockSetting), 1);
    EXPECT_EQ(Selected(ScrollLockSetting), 0);
    EXPECT_EQ(Interval(), "500");
    EXPECT_EQ(Form().CheckValue(AutoRunSetting), kChecked);
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_FALSE(Form().Visible());
    // Nothing was applied.
    EXPECT_EQ(main->Settings().CapsLockMode, 2);
    EXPECT_EQ(main->Settings().NumLockMode, 1);
    EXPECT_EQ(main->Settings().ScrollLockMode, 0);
    EXPECT_EQ(main->Settings().AutoRun, kTrue);
    EXPECT_EQ(Form().Timer().Interval(), 500);
    EXPECT_TRUE(TimerOn());
}

TEST_F(CancelAndOKTest, CancelShowsWhatApplyLastApplied) {
    Start();
    Form().Click(CapsLockSetting, 2);
    Form().Type(IntervalSetting, "333");
    Form().Click(ApplyButton);
    Form().Click(CapsLockSetting, 1);
    Form().Type(IntervalSetting, "444");
    Form().Click(CancelButton);
    EXPECT_EQ(Selected(CapsLockSetting), 2);
    EXPECT_EQ(Interval(), "333");
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(CancelAndOKTest, CancelWhileSuspendedStaysSuspended) {
    Start();
    Form().Click(SuspendButton);
    Form().Click(CapsLockSetting, 1);
    Form().Click(CancelButton);
    EXPECT_FALSE(Form().Timer().Enabled());
    EXPECT_EQ(Form().Caption(SuspendButton), "R&esume");
}

TEST_F(CancelAndOKTest, OKWithoutEditsAppliesTheSameAgainAndHides) {
    app.files[kSettingsPath] = 0;
    profile.Put("CapsLock", "1");
    profile.Put("NumLock", "2");
    profile.Put("ScrollLock", "1");
    profile.Put("Interval", "1500");
    PutRunValue(TextValue(kRunData));
    Start();
    ASSERT_TRUE(Form().Visible());

    Form().Click(OKButton);

    EXPECT_FALSE(Form().Visible());
    EXPECT_TRUE(Form().Loaded());
    EXPECT_EQ(main->Settings().CapsLockMode, 1);
    EXPECT_EQ(main->Settings().NumLockMode, 2);
    EXPECT_EQ(main->Settings().ScrollLockMode, 1);
    EXPECT_EQ(main->Settings().AutoRun, kTrue);
    EXPECT_EQ(Form().Timer().Interval(), 1500);
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(Form().TimerDriver().period, 1500u);
    EXPECT_EQ(Interval(), "1500");
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(CancelAndOKTest, OKAppliesEditsAndHides) {
    app.files[kSettingsPath] = 0;
    Start();
    Form().Click(CapsLockSetting, 1);
    Form().Click(OKButton);
    EXPECT_EQ(main->Settings().CapsLockMode, 1);
    EXPECT_FALSE(Form().Visible());
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(CancelAndOKTest, OKAndCancelWorkWhateverTheIndicatorShows) {
    Start();
    ASSERT_FALSE(ApplyEnabled());
    Form().SetOptionValue(CapsLockSetting, 2, true);
    Form().SetEnabled(ApplyButton, false);
    Form().Click(OKButton);
    EXPECT_EQ(main->Settings().CapsLockMode, 2);

    Form().SetOptionValue(CapsLockSetting, 1, true);
    Form().SetEnabled(ApplyButton, false);
    Form().Click(CancelButton);
    EXPECT_EQ(Selected(CapsLockSetting), 2);
}

// --- The indicator of unapplied edits ---------------------------------------------------------

struct Edit {
    std::string name;
    std::function<void(toolkit::fake::FakeForm&)> make;
};

std::ostream& operator<<(std::ostream& out, const Edit& edit) {
    return out << edit.name;
}

class ApplyIndicatorTest : public MainTest, public ::testing::WithParamInterface<Edit> {};

TEST_P(ApplyIndicatorTest, AnEditEnablesApply) {
    Start();
    ASSERT_FALSE(ApplyEnabled());
    GetParam().make(Form());
    EXPECT_TRUE(ApplyEnabled());
}

TEST_P(ApplyIndicatorTest, ApplyDisablesItAgain) {
    Start();
    GetParam().make(Form());
    Form().Click(ApplyButton);
    EXPECT_FALSE(ApplyEnabled());
}

TEST_P(ApplyIndicatorTest, OKDisablesItAgain) {
    Start();
    GetParam().make(Form());
    Form().Click(OKButton);
    EXPECT_FALSE(ApplyEnabled());
}

TEST_P(ApplyIndicatorTest, CancelDisablesItAgain) {
    Start();
    GetParam().make(Form());
    Form().Click(CancelButton);
    EXPECT_FALSE(ApplyEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfEdit, ApplyIndicatorTest,
    ::testing::Values(Edit{"CapsAllowToggling", [](auto& form) { form.Click(CapsLockSetting, 2); }},
                      Edit{"NumForceOff", [](auto& form) { form.Click(NumLockSetting, 0); }},
                      Edit{"ScrollForceOn", [](auto& form) { form.Click(ScrollLockSetting, 1); }},
                      Edit{"ClickOnTheSelectedButton",
                           [](auto& form) { form.Click(CapsLockSetting, 0); }},
                      Edit{"TickAutoRun", [](auto& form) { form.Click(AutoRunSetting); }},
                      Edit{"TickAndUntickAutoRun",
                           [](auto& form) {
                               form.Click(AutoRunSetting);
                               form.Click(AutoRunSetting);
                           }},
                      Edit{"TypeInterval", [](auto& form) { form.Type(IntervalSetting, "1234"); }},
                      Edit{"ClearInterval", [](auto& form) { form.Type(IntervalSetting, ""); }}),
    [](const ::testing::TestParamInfo<Edit>& given) { return given.param.name; });

class ApplyIndicatorStateTest : public MainTest {};

TEST_F(ApplyIndicatorStateTest, StartUpLeavesApplyDisabled) {
    profile.Put("CapsLock", "2");
    profile.Put("NumLock", "0");
    profile.Put("ScrollLock", "1");
    profile.Put("Interval", "250");
    PutRunValue(TextValue(kRunData));
    Start();
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(ApplyIndicatorStateTest, StartUpOnAFirstRunLeavesApplyDisabled) {
    app.files.clear();
    Start();
    EXPECT_FALSE(ApplyEnabled());
}

// Start-up leaves Apply disabled; that a disabled button then takes no click is the
// platform's part, checked on real windows (MainWindowWin32Test), not the fake's here.
TEST_F(ApplyIndicatorStateTest, ApplyCannotBePressedWhileDisabled) {
    Start();
    EXPECT_FALSE(ApplyEnabled());
    Form().SetOptionValue(CapsLockSetting, 1, true);
    Form().SetEnabled(ApplyButton, false);
    Form().Click(ApplyButton);
    EXPECT_EQ(main->Settings().CapsLockMode, 0);
}

TEST_F(ApplyIndicatorStateTest, SuspendHelpAndDonateLeaveItAlone) {
    Start();
    Form().Click(SuspendButton);
    Form().Click(HelpButton);
    Form().Click(DonateButton);
    Form().ReleaseKey(kF1);
    EXPECT_FALSE(ApplyEnabled());
}

// --- The auto-start box ------------------------------------------------------------------

struct BoxState {
    int value;
    lockkeys::Flag applied;
};

std::ostream& operator<<(std::ostream& out, const BoxState& state) {
    return out << "box " << state.value;
}

class AutoRunBoxTest : public MainTest, public ::testing::WithParamInterface<BoxState> {};

TEST_P(AutoRunBoxTest, OnlyATickedBoxAppliesAsTrue) {
    PutRunValue(TextValue(kRunData));  // starts true, so that false is a change
    Start();
    Form().SetCheckValue(AutoRunSetting, GetParam().value);
    Form().Click(ApplyButton);
    EXPECT_EQ(main->Settings().AutoRun, GetParam().applied);
}

TEST_P(AutoRunBoxTest, OnlyATickedBoxAppliesAsTrueFromFalse) {
    Start();
    Form().SetCheckValue(AutoRunSetting, GetParam().value);
    Form().Click(OKButton);
    EXPECT_EQ(main->Settings().AutoRun, GetParam().applied);
}

INSTANTIATE_TEST_SUITE_P(EveryState, AutoRunBoxTest,
                         ::testing::Values(BoxState{kUnchecked, kFalse}, BoxState{kChecked, kTrue},
                                           BoxState{kGrayed, kFalse}));

}  // namespace
}  // namespace keystead::app::testing
