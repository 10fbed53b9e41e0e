// The check driven by a real window timer against the real keyboard state, under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "lockkeys/LockKeyCheck.h"
#include "lockkeys/win32/Win32Keyboard.h"
#include "tests/support/win32/Wait.h"
#include "toolkit/fake/FakeToolkit.h"
#include "toolkit/win32/Win32Form.h"

namespace keystead::lockkeys {
namespace {

using namespace std::chrono_literals;
using testing::HoldsFor;
using testing::WaitUntil;
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
        ASSERT_TRUE(WaitUntil("Caps Lock as the test needs it", [&] { return CapsOn() == on; }));
    }

    toolkit::fake::NoFormEvents events_;
    toolkit::win32::Win32Screen screen_;
    toolkit::win32::Win32Form form_{kBareForm, events_, screen_};
    win32::Win32Keyboard keyboard_;
    Settings settings_{kForceOff, kAllowToggling, kAllowToggling, kFalse};
    int ticks_ = 0;
};

// The user's stroke lands while the timer is off, so that each test first sees it take
// effect: a keyboard on which strokes did nothing would fail here, not pass.
TEST_F(LockKeyCheckWin32, ForceOffTurnsCapsLockBackOffWithinTwoIntervals) {
    SetCaps(false);
    PressCaps();
    ASSERT_TRUE(WaitUntil("the user's stroke", [&] { return CapsOn(); }));
    form_.Timer().SetEnabled(true);
    EXPECT_TRUE(WaitUntil("Caps Lock off", [&] { return !CapsOn(); }));
    EXPECT_GE(ticks_, 1);
}

TEST_F(LockKeyCheckWin32, ForceOnTurnsCapsLockBackOn) {
    SetCaps(true);
    settings_.CapsLockMode = kForceOn;
    PressCaps();
    ASSERT_TRUE(WaitUntil("the user's stroke", [&] { return !CapsOn(); }));
    form_.Timer().SetEnabled(true);
    EXPECT_TRUE(WaitUntil("Caps Lock on", [&] { return CapsOn(); }));
    EXPECT_GE(ticks_, 1);
    SetCaps(false);
}

TEST_F(LockKeyCheckWin32, AllowTogglingLeavesItOn) {
    settings_.CapsLockMode = kAllowToggling;
    SetCaps(true);
    form_.Timer().SetEnabled(true);
    EXPECT_TRUE(WaitUntil("two ticks", [&] { return ticks_ >= 2; }));
    EXPECT_TRUE(CapsOn());
    SetCaps(false);
}

TEST_F(LockKeyCheckWin32, ADisabledTimerChecksNothing) {
    SetCaps(true);
    EXPECT_TRUE(HoldsFor(
        "no tick", [&] { return ticks_ == 0; }, 350ms));
    EXPECT_TRUE(CapsOn());
    SetCaps(false);
}

TEST_F(LockKeyCheckWin32, IntervalZeroNeverFires) {
    SetCaps(true);
    form_.Timer().SetInterval(0);
    form_.Timer().SetEnabled(true);
    EXPECT_TRUE(HoldsFor(
        "no tick", [&] { return ticks_ == 0; }, 350ms));
    EXPECT_TRUE(CapsOn());
    SetCaps(false);
}

// A thread whose key state was made after the user's press (a program started then) reads the
// key on. Under Wine that copy starts all off and took the key only once it changed again.
TEST_F(LockKeyCheckWin32, AKeyOnBeforeAThreadLookedReadsOnThere) {
    SetCaps(false);
    PressCaps();
    // This thread's own copy, read without asking for the system-wide state.
    ASSERT_TRUE(WaitUntil("the user's stroke", [] {
        PumpMessages(20ms);
        return (GetKeyState(VK_CAPITAL) & 1) != 0;
    }));
    std::int16_t read = 0;
    std::thread([&read] {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue, made now
        read = win32::Win32Keyboard().GetKeyState(kVkCapital);
    }).join();
    EXPECT_EQ(read, 1);
    SetCaps(false);
}

}  // namespace
}  // namespace keystead::lockkeys
