// The check driven by a real window timer against the real keyboard state, under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include "lockkeys/LockKeyCheck.h"
#include "lockkeys/win32/Win32Keyboard.h"
#include "toolkit/fake/FakeToolkit.h"
#include "toolkit/win32/Win32Form.h"

namespace keystead::lockkeys {
namespace {

using namespace std::chrono_literals;
using toolkit::win32::PumpMessages;

const toolkit::FormDesign kBareForm{"Lock key test", 1500,  1500, {0, 0, 0}, {0, 153, 255},
                                    "MS Sans Serif", 8.25f, 0,    {}};

class LockKeyCheckWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        form_.Timer().SetHandler([this] {
            ++ticks_;
            CheckLockKeys(keyboard_, settings_);
        });
        form_.Timer().SetInterval(100);
    }

    // The toggle state as this thread sees it, once the queue has caught up.
    bool CapsOn() {
        PumpMessages(20ms);
        return (keyboard_.GetKeyState(kVkCapital) & 1) != 0;
    }

    void PressCaps() {
        keybd_event(VK_CAPITAL, 0, 0, 0);
        keybd_event(VK_CAPITAL, 0, KEYEVENTF_KEYUP, 0);
    }

    void SetCaps(bool on) {
        form_.Timer().SetEnabled(false);
        if (CapsOn() != on) {
            PressCaps();
        }
        ASSERT_EQ(CapsOn(), on);
    }

    toolkit::fake::NoFormEvents events_;
    toolkit::win32::Win32Screen screen_;
    toolkit::win32::Win32Form form_{kBareForm, events_, screen_};
    win32::Win32Keyboard keyboard_;
    Settings settings_{kForceOff, kAllowToggling, kAllowToggling, kFalse};
    int ticks_ = 0;
};

TEST_F(LockKeyCheckWin32, ForceOffTurnsCapsLockBackOffWithinTwoIntervals) {
    SetCaps(false);
    form_.Timer().SetEnabled(true);
    PressCaps();
    EXPECT_TRUE(CapsOn()) << "the user's stroke should land first";
    PumpMessages(250ms);
    EXPECT_FALSE(CapsOn());
    EXPECT_GE(ticks_, 1);
}

TEST_F(LockKeyCheckWin32, ForceOnTurnsCapsLockBackOn) {
    SetCaps(true);
    settings_.CapsLockMode = kForceOn;
    form_.Timer().SetEnabled(true);
    PressCaps();
    PumpMessages(250ms);
    EXPECT_TRUE(CapsOn());
    SetCaps(false);
}

TEST_F(LockKeyCheckWin32, AllowTogglingLeavesItOn) {
    settings_.CapsLockMode = kAllowToggling;
    SetCaps(true);
    form_.Timer().SetEnabled(true);
    PumpMessages(350ms);
    EXPECT_TRUE(CapsOn());
    EXPECT_GE(ticks_, 2);
    SetCaps(false);
}

TEST_F(LockKeyCheckWin32, ADisabledTimerChecksNothing) {
    SetCaps(true);
    PumpMessages(350ms);
    EXPECT_TRUE(CapsOn());
    EXPECT_EQ(ticks_, 0);
    SetCaps(false);
}

TEST_F(LockKeyCheckWin32, IntervalZeroNeverFires) {
    SetCaps(true);
    form_.Timer().SetInterval(0);
    form_.Timer().SetEnabled(true);
    PumpMessages(350ms);
    EXPECT_EQ(ticks_, 0);
    EXPECT_TRUE(CapsOn());
    SetCaps(false);
}

}  // namespace
}  // namespace keystead::lockkeys
