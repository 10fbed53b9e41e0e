// The tray icon heeds the shell's answer: a notification area that is not ready (at logon)
// refuses the icon, which is then tried again on the owner's second timer until it shows.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/fake/FakeToolkit.h"
#include "tray/TrayIcon.h"
#include "tray/fake/FakeNotifyArea.h"

namespace keystead::tray {
namespace {

using toolkit::fake::FakeForm;
using toolkit::fake::FakePicture;
using toolkit::fake::FakeScreen;

const toolkit::FormDesign kBareForm{"Main",   4000, 3000, {0, 0, 0}, {0, 0, 0},
                                    "Tahoma", 8.0f, 1,    {}};
constexpr std::uint32_t kRetryPeriod = 2000;
constexpr int kRetries = 90;  // three minutes of tries

class TrayIconRetry : public ::testing::Test {
protected:
    void SetUp() override {
        icon.SetOwnerForm(&form);
        icon.SetIcon(&green);
        icon.SetTooltip("Tarvine Keystead");
    }

    // The shell refuses the next `count` calls, whatever they are.
    void Refuse(int count) { shell.nextAnswers.assign(static_cast<std::size_t>(count), false); }
    bool RetryTimerRuns() { return form.RetryTimerDriver().running; }

    toolkit::fake::NoFormEvents formEvents;
    FakeForm form{kBareForm, formEvents, 0x1234};
    FakePicture green{0x5678};
    FakePicture red{0x8765};
    FakeScreen screen{15.0f};
    FakeNotifyArea shell;
    TrayIcon icon{shell, screen};
};

TEST_F(TrayIconRetry, ARefusedAddIsTriedAgainEveryTwoSecondsUntilTheShellTakesIt) {
    // The first add, and the modify that asks whether it was carried out all the same.
    Refuse(2 + 2 * 3);
    icon.Add();
    EXPECT_FALSE(icon.Shown());
    EXPECT_EQ(icon.State(), 1);
    ASSERT_TRUE(RetryTimerRuns());
    EXPECT_EQ(form.RetryTimerDriver().period, kRetryPeriod);

    for (int tick = 1; tick <= 3; ++tick) {
        form.RetryTick();
        EXPECT_FALSE(icon.Shown()) << "tick " << tick;
        EXPECT_TRUE(RetryTimerRuns()) << "tick " << tick;
    }
    form.RetryTick();  // the shell is ready now
    EXPECT_TRUE(icon.Shown());
    EXPECT_FALSE(RetryTimerRuns());
    EXPECT_FALSE(icon.Retrying());
    EXPECT_EQ(shell.calls.back().operation, kNimAdd);
    EXPECT_EQ(shell.calls.back().record.hIcon, 0x5678u);

    const std::size_t calls = shell.calls.size();
    form.RetryTick();
    EXPECT_EQ(shell.calls.size(), calls) << "nothing more once shown";
    EXPECT_FALSE(form.TimerDriver().running) << "the form's own timer is left alone";
}

TEST_F(TrayIconRetry, AnAddCarriedOutButRefusedCountsAsShown) {
    shell.nextAnswers = {false, true};  // the add timed out; the icon is there
    icon.Add();
    EXPECT_EQ(shell.Operations(), (std::vector<std::uint32_t>{kNimAdd, kNimModify}));
    EXPECT_TRUE(icon.Shown());
    EXPECT_FALSE(RetryTimerRuns());
}

TEST_F(TrayIconRetry, TriesForThreeMinutesThenAgainAtTaskbarCreated) {
    shell.answer = false;
    icon.Add();
    for (int tick = 0; tick < kRetries; ++tick) {
        ASSERT_TRUE(RetryTimerRuns()) << "tick " << tick;
        form.RetryTick();
    }
    EXPECT_FALSE(RetryTimerRuns());
    EXPECT_FALSE(icon.Retrying());
    // One add and one modify for the first try and for each of the tries again.
    EXPECT_EQ(shell.calls.size(), 2u * (kRetries + 1));

    shell.answer = true;
    form.TaskbarCreated().Raise();
    EXPECT_TRUE(icon.Shown());
    EXPECT_EQ(shell.calls.back().operation, kNimAdd);
}

TEST_F(TrayIconRetry, ARefusalAtTaskbarCreatedStartsTheTriesAgain) {
    icon.Add();
    ASSERT_TRUE(icon.Shown());
    Refuse(2);
    form.TaskbarCreated().Raise();
    EXPECT_FALSE(icon.Shown());
    EXPECT_TRUE(RetryTimerRuns());
    form.RetryTick();
    EXPECT_TRUE(icon.Shown());
}

TEST_F(TrayIconRetry, ARefusedModifyAddsTheIconAgainAsItShouldNowLook) {
    icon.Add();
    icon.SetIcon(&red);
    icon.SetTooltip("Tarvine Keystead\r\n(Suspended)");
    shell.nextAnswers = {false};  // Explorer has lost the icon
    icon.Modify();
    EXPECT_EQ(shell.Operations(), (std::vector<std::uint32_t>{kNimAdd, kNimModify, kNimAdd}));
    EXPECT_EQ(shell.calls.back().record.hIcon, 0x8765u);
    EXPECT_TRUE(icon.Shown());
    EXPECT_EQ(icon.State(), 2);
    EXPECT_FALSE(RetryTimerRuns());
}

TEST_F(TrayIconRetry, AModifyWhileTryingAgainIsWhatTheNextTryShows) {
    Refuse(2 + 3);
    icon.Add();
    icon.SetIcon(&red);
    icon.Modify();  // refused, and the add that follows it too
    EXPECT_TRUE(RetryTimerRuns());
    form.RetryTick();
    EXPECT_TRUE(icon.Shown());
    EXPECT_EQ(shell.calls.back().operation, kNimAdd);
    EXPECT_EQ(shell.calls.back().record.hIcon, 0x8765u);
}

TEST_F(TrayIconRetry, RemoveEndsTheTries) {
    shell.answer = false;
    icon.Add();
    icon.Remove();
    EXPECT_FALSE(RetryTimerRuns());
    EXPECT_FALSE(icon.Shown());
    const std::size_t calls = shell.calls.size();
    form.RetryTick();
    form.TaskbarCreated().Raise();
    EXPECT_EQ(shell.calls.size(), calls);
}

TEST_F(TrayIconRetry, ShownFollowsTheShellsAnswers) {
    struct Step {
        const char* what;
        void (TrayIcon::*operation)();
        std::deque<bool> answers;
        bool shown;
    };
    const Step steps[] = {
        {"added", &TrayIcon::Add, {true}, true},
        {"modified", &TrayIcon::Modify, {true}, true},
        {"removed", &TrayIcon::Remove, {true}, false},
        {"modify with nothing to modify adds", &TrayIcon::Modify, {false, true}, true},
        {"removed again", &TrayIcon::Remove, {true}, false},
        {"add refused", &TrayIcon::Add, {false, false}, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        shell.nextAnswers = step.answers;
        (icon.*step.operation)();
        EXPECT_EQ(icon.Shown(), step.shown);
        EXPECT_TRUE(shell.nextAnswers.empty()) << "every answer was asked for";
    }
}

TEST_F(TrayIconRetry, AnotherOwnerTakesOverTheTries) {
    shell.answer = false;
    icon.Add();
    FakeForm other{kBareForm, formEvents, 0x4321};
    icon.SetOwnerForm(&other);
    EXPECT_FALSE(RetryTimerRuns());
    EXPECT_TRUE(other.RetryTimerDriver().running);
    shell.answer = true;
    other.RetryTick();
    EXPECT_TRUE(icon.Shown());
    // What was last sent, as at "TaskbarCreated": the next Add or Modify names the new owner.
    EXPECT_EQ(shell.calls.back().record.hWnd, 0x1234u);
    icon.SetOwnerForm(&form);
}

TEST_F(TrayIconRetry, ATimerThatOutlivesTheIconFiresIntoNothing) {
    shell.answer = false;
    {
        TrayIcon temporary(shell, screen);
        temporary.SetOwnerForm(&form);
        temporary.SetIcon(&green);
        temporary.Add();
    }
    const std::size_t calls = shell.calls.size();
    form.RetryTick();
    EXPECT_EQ(shell.calls.size(), calls);
    icon.SetOwnerForm(&form);
}

}  // namespace
}  // namespace keystead::tray
