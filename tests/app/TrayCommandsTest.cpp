#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainHarness.h"

namespace keystead::app::testing {
namespace {

using tray::kNimAdd;
using tray::kNimDelete;
using tray::kNimModify;

class TrayCommandsTest : public MainTest {
protected:
    std::vector<std::uint32_t> Operations() const {
        std::vector<std::uint32_t> operations;
        for (const auto& call : notifyArea.calls) {
            operations.push_back(call.operation);
        }
        return operations;
    }
};

TEST_F(TrayCommandsTest, LeftDoubleClickShowsTheWindow) {
    Start();
    ASSERT_FALSE(Form().Visible());
    Notify(kLeftDown);
    Notify(kLeftUp);
    Notify(kLeftDoubleClick);
    Notify(kLeftUp);
    EXPECT_TRUE(Form().Visible());
    EXPECT_TRUE(Form().Loaded());
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(notifyArea.calls.size(), 1u);  // only the Add of start-up
}

TEST_F(TrayCommandsTest, LeftDoubleClickOnAVisibleWindowKeepsUnappliedEdits) {
    Start();
    Notify(kLeftDoubleClick);
    Form().Click(CapsLockSetting, 2);
    Form().Type(IntervalSetting, "55");
    Form().Click(AutoRunSetting);

    Notify(kLeftDoubleClick);

    EXPECT_TRUE(Form().Visible());
    EXPECT_EQ(Selected(CapsLockSetting), 2);
    EXPECT_EQ(Interval(), "55");
    EXPECT_EQ(Form().CheckValue(AutoRunSetting), toolkit::kChecked);
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_EQ(main->Settings().CapsLockMode, 0);
}

TEST_F(TrayCommandsTest, ShowingAgainAfterOKShowsTheAppliedValues) {
    Start();
    Notify(kLeftDoubleClick);
    Form().Click(NumLockSetting, 2);
    Form().Click(OKButton);
    ASSERT_FALSE(Form().Visible());
    Notify(kLeftDoubleClick);
    EXPECT_TRUE(Form().Visible());
    EXPECT_EQ(Selected(NumLockSetting), 2);
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(TrayCommandsTest, RightButtonUpTogglesSuspension) {
    Start();
    Notify(kRightUp);
    EXPECT_FALSE(Form().Timer().Enabled());
    EXPECT_EQ(Form().Caption(SuspendButton), "R&esume");
    Notify(kRightUp);
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(Form().Caption(SuspendButton), "Susp&end");
    EXPECT_EQ(Operations(), (std::vector<std::uint32_t>{kNimAdd, kNimModify, kNimModify}));
    EXPECT_FALSE(Form().Visible());
}

TEST_F(TrayCommandsTest, RightDoubleClickUnloadsTheWindow) {
    app.files[kSettingsPath] = 0;  // visible at first
    Start();
    Notify(kRightDoubleClick);
    EXPECT_FALSE(Form().Loaded());
    EXPECT_FALSE(Form().Visible());
    EXPECT_FALSE(Form().Timer().Enabled());
    EXPECT_EQ(Operations(), (std::vector<std::uint32_t>{kNimAdd, kNimDelete}));
    EXPECT_EQ(profile.writes.size(), 4u);
}

TEST_F(TrayCommandsTest, LeftUpAndDownAndRightDownDoNothing) {
    Start();
    const int startsBefore = Form().TimerDriver().starts;
    for (int message : {kLeftDown, kLeftUp, kRightDown, kLeftUp, kRightDown}) {
        Notify(message);
    }
    EXPECT_FALSE(Form().Visible());
    EXPECT_TRUE(Form().Loaded());
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(Form().TimerDriver().starts, startsBefore);
    EXPECT_EQ(Form().Caption(SuspendButton), "Susp&end");
    EXPECT_EQ(notifyArea.calls.size(), 1u);
    EXPECT_TRUE(profile.writes.empty());
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(TrayCommandsTest, OtherMessagesAndPointerMovesDoNothing) {
    Start();
    Notify(kPointerMove);
    Notify(519);  // middle button
    Notify(521);
    // A pointer moving over the window itself: Y is neither 0 nor the icon's id.
    Form().MouseMove().Raise(0, 0, static_cast<float>(kLeftDoubleClick) * 15.0f, 45.0f);
    Form().MouseMove().Raise(2, 0, static_cast<float>(kRightDoubleClick) * 15.0f, 30.0f);
    EXPECT_FALSE(Form().Visible());
    EXPECT_TRUE(Form().Loaded());
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(notifyArea.calls.size(), 1u);
}

TEST_F(TrayCommandsTest, RightUpThenRightDoubleClickSuspendsThenExits) {
    Start();
    Notify(kRightDown);
    Notify(kRightUp);
    Notify(kRightDoubleClick);

    EXPECT_FALSE(Form().Loaded());
    EXPECT_EQ(Operations(), (std::vector<std::uint32_t>{kNimAdd, kNimModify, kNimDelete}));
    EXPECT_EQ(LastTrayCall().record.hIcon, Form().PictureOf(SuspendedIcon).Handle());
    EXPECT_EQ(profile.writes.size(), 4u);
}

// The shell reports the pointer crossing the icon (WM_MOUSEMOVE) all the time; that must
// not stop the commands that follow.
TEST_F(TrayCommandsTest, CommandsStillWorkAfterThePointerCrossedTheIcon) {
    Start();
    Notify(kPointerMove);
    Notify(kLeftDoubleClick);
    EXPECT_TRUE(Form().Visible());

    Notify(kPointerMove);
    Notify(kRightUp);
    EXPECT_FALSE(Form().Timer().Enabled());
}

TEST_F(TrayCommandsTest, CommandsStillWorkAfterAMiddleClick) {
    Start();
    Notify(519);
    Notify(520);
    Notify(kRightDoubleClick);
    EXPECT_FALSE(Form().Loaded());
}

TEST_F(TrayCommandsTest, EachCommandWorksAgainAndAgain) {
    Start();
    for (int round = 0; round < 3; ++round) {
        Notify(kLeftDoubleClick);
        EXPECT_TRUE(Form().Visible()) << round;
        Form().Click(CancelButton);
        EXPECT_FALSE(Form().Visible()) << round;
        Notify(kRightUp);
        Notify(kRightUp);
        EXPECT_TRUE(TimerOn()) << round;
    }
    EXPECT_EQ(notifyArea.calls.size(), 7u);
}

TEST_F(TrayCommandsTest, NothingHappensBeforeStartUp) {
    Create();
    Notify(kLeftDoubleClick);
    Notify(kRightUp);
    EXPECT_FALSE(Form().Visible());
    EXPECT_TRUE(notifyArea.calls.empty());
}

}  // namespace
}  // namespace keystead::app::testing
