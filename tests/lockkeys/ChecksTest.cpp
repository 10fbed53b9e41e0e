// When the checks run: the timer's state is theirs alone, and what holds them back decides.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "lockkeys/Checks.h"
#include "lockkeys/fake/FakeKeyboard.h"
#include "toolkit/fake/FakeToolkit.h"

namespace keystead::lockkeys {
namespace {

class ChecksTest : public ::testing::Test, private CheckEvents {
protected:
    ChecksTest() {
        keyboard_.states = {{kVkCapital, 1}};  // Caps Lock on, held off by default
        checks_.Start();
    }

    // The lock keys the program pressed.
    std::vector<int> Presses() {
        std::vector<int> keys;
        for (const auto& stroke : keyboard_.strokes) {
            if ((stroke.flags & kKeyEventKeyUp) == 0) {
                keys.push_back(stroke.virtualKey);
            }
        }
        keyboard_.strokes.clear();
        return keys;
    }

    FakeKeyboard keyboard_;
    toolkit::fake::FakeTimerDriver timerDriver_;
    toolkit::fake::FakeTimerDriver recheckDriver_;
    toolkit::Timer timer_{timerDriver_};
    toolkit::Timer recheck_{recheckDriver_};
    std::int64_t now_ = 0;
    std::vector<std::string> heard_;
    Checks checks_{keyboard_, [this] { return now_; }, [] { return false; }, timer_, recheck_,
                   *this};

private:
    void Checks_Tick() override { heard_.push_back("tick"); }
    void Checks_PutBack(const Flips&) override { heard_.push_back("put back"); }
    void Checks_KeysMayHaveChanged(bool tick) override {
        heard_.push_back(tick ? "changed at tick" : "changed");
    }
};

TEST_F(ChecksTest, SuspendedIsTheTimerOffAndStopsEveryCheck) {
    checks_.SetSuspended(true);
    EXPECT_TRUE(checks_.Suspended());
    EXPECT_FALSE(timerDriver_.running);
    checks_.KeyReleased(kVkCapital, 0);
    checks_.CheckNow();
    EXPECT_EQ(Presses(), std::vector<int>{});
    checks_.SetSuspended(false);
    EXPECT_TRUE(timerDriver_.running);
    checks_.CheckNow();
    EXPECT_EQ(Presses(), std::vector<int>{kVkCapital});
}

TEST_F(ChecksTest, HeldBackNoCheckRunsAndTheEndChecksOnceAtOnce) {
    checks_.SetHeldBack(true);
    timer_.Fire();
    checks_.KeyReleased(kVkCapital, 0);
    EXPECT_EQ(Presses(), std::vector<int>{});
    EXPECT_EQ(heard_, (std::vector<std::string>{"tick", "changed at tick", "changed"}));
    checks_.SetHeldBack(false);
    EXPECT_EQ(Presses(), std::vector<int>{kVkCapital});
}

TEST_F(ChecksTest, AKeyboardBeforeTheFirstTickIsOneAlreadyThere) {
    checks_.KeyboardArrived();
    EXPECT_EQ(Presses(), std::vector<int>{});
    timer_.Fire();
    Presses();
    keyboard_.states[kVkCapital] = 1;
    now_ += 1000;
    checks_.KeyboardArrived();
    EXPECT_EQ(Presses(), std::vector<int>{kVkCapital});
}

TEST_F(ChecksTest, ApplyRestartsARunningPeriodAndKeepsASuspendedOneOff) {
    const int starts = timerDriver_.starts;
    checks_.Apply(Settings{kForceOn, kForceOn, kForceOff, kTrue}, 500);
    EXPECT_EQ(timerDriver_.starts, starts + 1);
    EXPECT_EQ(timerDriver_.period, 500u);
    EXPECT_EQ(checks_.Settings().CapsLockMode, kForceOn);
    checks_.SetSuspended(true);
    checks_.Apply(Settings{}, 2000);
    EXPECT_FALSE(timerDriver_.running);
    EXPECT_EQ(checks_.Interval().Interval(), 2000);
}

}  // namespace
}  // namespace keystead::lockkeys
