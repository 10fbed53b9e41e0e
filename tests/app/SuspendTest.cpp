#include <string>

#include <gtest/gtest.h>

#include "MainHarness.h"

namespace keystead::app::testing {
namespace {

using tray::kNimModify;

constexpr char kTooltip[] = "Tarvine Keystead";
constexpr char kSuspendedTooltip[] = "Tarvine Keystead\r\n(Suspended)";

// The two ways the user suspends and resumes.
enum class Toggle { SuspendButton, TrayRightClick };

class SuspendTest : public MainTest, public ::testing::WithParamInterface<Toggle> {
protected:
    void ToggleOnce() {
        if (GetParam() == Toggle::SuspendButton) {
            Form().Click(SuspendButton);
        } else {
            Notify(kRightDown);
            Notify(kRightUp);
        }
    }
};

TEST_P(SuspendTest, OnceSuspends) {
    Start();
    const std::size_t callsBefore = notifyArea.calls.size();
    ToggleOnce();

    EXPECT_FALSE(Form().Timer().Enabled());
    EXPECT_FALSE(Form().TimerDriver().running);
    EXPECT_EQ(Form().Caption(SuspendButton), "R&esume");
    ASSERT_EQ(notifyArea.calls.size(), callsBefore + 1);
    const auto& call = LastTrayCall();
    EXPECT_EQ(call.operation, kNimModify);
    EXPECT_EQ(call.record.hIcon, Form().PictureOf(SuspendedIcon).Handle());
    EXPECT_NE(call.record.hIcon, Form().Icon().Handle());
    EXPECT_EQ(call.record.hWnd, kFormHandle);
    EXPECT_EQ(call.record.uID, 1u);
    EXPECT_EQ(call.Tip(), TipField(kSuspendedTooltip));
    EXPECT_EQ(std::string(call.Tip().substr(0, 30)), std::string(kSuspendedTooltip) + '\0');
}

TEST_P(SuspendTest, TwiceReturnsToTheStart) {
    Start();
    const std::size_t callsBefore = notifyArea.calls.size();
    ToggleOnce();
    ToggleOnce();

    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(Form().TimerDriver().period, 1000u);
    EXPECT_EQ(Form().Caption(SuspendButton), "Susp&end");
    ASSERT_EQ(notifyArea.calls.size(), callsBefore + 2);
    const auto& call = LastTrayCall();
    EXPECT_EQ(call.operation, kNimModify);
    EXPECT_EQ(call.record.hIcon, Form().Icon().Handle());
    EXPECT_EQ(call.record.hWnd, kFormHandle);
    EXPECT_EQ(call.Tip(), TipField(kTooltip));
    EXPECT_EQ(call.record.hIcon, notifyArea.calls.front().record.hIcon);
    EXPECT_EQ(call.Tip(), notifyArea.calls.front().Tip());
    ASSERT_NE(main->TrayIcon(), nullptr);
    EXPECT_EQ(main->TrayIcon()->Tooltip(), kTooltip);
    EXPECT_EQ(main->TrayIcon()->Icon(), &Form().Icon());
}

TEST_P(SuspendTest, WhileSuspendedNoKeyIsEverFlipped) {
    keyboard.states[lockkeys::kVkCapital] = 1;  // Caps Lock on, mode "Force off"
    keyboard.states[lockkeys::kVkNumLock] = 0;  // Num Lock off, mode "Force on"
    Start();
    ToggleOnce();
    for (int tick = 0; tick < 50; ++tick) {
        Form().Tick();
        Form().Timer().Fire();  // even a period that was already queued
    }
    EXPECT_TRUE(keyboard.strokes.empty());
    EXPECT_TRUE(keyboard.reads.empty());
}

TEST_P(SuspendTest, ResumingChecksAgainAtTheNextTick) {
    keyboard.states[lockkeys::kVkCapital] = 1;
    keyboard.states[lockkeys::kVkNumLock] = 1;
    Start();
    ToggleOnce();
    Form().Tick();
    ToggleOnce();
    EXPECT_TRUE(keyboard.strokes.empty());  // no check at the moment of resuming
    Form().Tick();
    EXPECT_EQ(keyboard.strokes.size(), 2u);
}

TEST_P(SuspendTest, WhileHiddenTheTrayChangesAtOnce) {
    Start();
    ASSERT_FALSE(Form().Visible());
    ToggleOnce();
    EXPECT_FALSE(Form().Visible());
    EXPECT_EQ(LastTrayCall().Tip(), TipField(kSuspendedTooltip));
    EXPECT_EQ(Form().Caption(SuspendButton), "R&esume");
}

TEST_P(SuspendTest, LeavesTheControlsAndSettingsAlone) {
    Start();
    Form().Click(CapsLockSetting, 2);
    Form().Type(IntervalSetting, "321");
    ToggleOnce();
    EXPECT_EQ(Selected(CapsLockSetting), 2);
    EXPECT_EQ(Interval(), "321");
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_EQ(main->Settings().CapsLockMode, 0);
    EXPECT_EQ(Form().Timer().Interval(), 1000);
}

INSTANTIATE_TEST_SUITE_P(BothWays, SuspendTest,
                         ::testing::Values(Toggle::SuspendButton, Toggle::TrayRightClick),
                         [](const ::testing::TestParamInfo<Toggle>& given) {
                             return given.param == Toggle::SuspendButton ? "SuspendButton"
                                                                         : "TrayRightClick";
                         });

class SuspendMixedTest : public MainTest {};

TEST_F(SuspendMixedTest, TheButtonResumesWhatTheTraySuspended) {
    Start();
    Notify(kRightUp);
    ASSERT_FALSE(Form().Timer().Enabled());
    Form().Click(SuspendButton);
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(Form().Caption(SuspendButton), "Susp&end");
    EXPECT_EQ(LastTrayCall().record.hIcon, Form().Icon().Handle());
}

}  // namespace
}  // namespace keystead::app::testing
