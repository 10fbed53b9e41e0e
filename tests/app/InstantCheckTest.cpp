#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainHarness.h"

namespace keystead::app::testing {
namespace {

using lockkeys::kOwnKeystrokeTag;
using lockkeys::kVkCapital;
using lockkeys::kVkShift;

class InstantCheckTest : public MainTest {
protected:
    InstantCheckTest() { keyboard.states = {{kVkCapital, 1}, {lockkeys::kVkNumLock, 1}}; }

    // The keys pressed, each of them tagged as the program's own.
    std::vector<int> Presses() const {
        std::vector<int> keys;
        for (const auto& stroke : keyboard.strokes) {
            if ((stroke.flags & lockkeys::kKeyEventKeyUp) == 0) {
                EXPECT_EQ(stroke.extraInfo, kOwnKeystrokeTag);
                keys.push_back(stroke.virtualKey);
            }
        }
        return keys;
    }
};

TEST_F(InstantCheckTest, ALockKeyReleaseIsCheckedAtOnceOnlyWhileATimerCheckCouldRun) {
    struct Case {
        const char* iniKey;  // a line of the settings file, if any
        const char* iniValue;
        bool suspend;
        bool checked;
    };
    const Case cases[] = {
        {nullptr, nullptr, false, true},
        {nullptr, nullptr, true, false},
        {"Interval", "0", false, false},
        {"CapsLock", "2", false, false},  // allow toggling
    };
    for (const Case& c : cases) {
        profile.values.clear();
        keyboard.strokes.clear();
        if (c.iniKey != nullptr) {
            profile.Put(c.iniKey, c.iniValue);
        }
        Start();
        if (c.suspend) {
            Form().Click(SuspendButton);
        }
        Form().RawKeyUp(kVkCapital);
        EXPECT_EQ(Presses(), c.checked ? std::vector<int>{kVkCapital} : std::vector<int>{})
            << (c.iniKey ? c.iniKey : "") << (c.suspend ? "suspended" : "");
    }
}

TEST_F(InstantCheckTest, UnlockResumeAndANewKeyboardCheckAtOnce) {
    const std::function<void(toolkit::fake::FakeForm&)> notices[] = {
        [](auto& f) { f.SessionUnlock(); },
        [](auto& f) { f.PowerResume(); },
        [](auto& f) { f.KeyboardArrival(); },
    };
    for (const auto& notice : notices) {
        keyboard.strokes.clear();
        Start();
        Form().Tick();  // a keyboard arriving before the first check is ignored
        keyboard.strokes.clear();
        app.tickCount += 1000;
        notice(Form());
        EXPECT_EQ(Presses(), std::vector<int>{kVkCapital});

        keyboard.strokes.clear();
        app.tickCount += 1000;
        Form().Click(SuspendButton);
        notice(Form());
        EXPECT_TRUE(keyboard.strokes.empty()) << "suspended";
    }
}

TEST_F(InstantCheckTest, KeyboardsFoundAtStartUpWaitForTheFirstTick) {
    Start();
    Form().KeyboardArrival();
    EXPECT_TRUE(keyboard.reads.empty());
}

TEST_F(InstantCheckTest, TheShiftSettingIsReadFromTheRegistryAtEachTurnOff) {
    const std::string layout = "Keyboard Layout";
    auto attributes = [&](std::uint8_t thirdByte) {
        registryApi.store.PutValue(registry::kHkeyCurrentUser, layout, "Attributes",
                                   {registry::kRegDword, {0, 0, thirdByte, 0}});
    };
    Start();
    attributes(0x01);  // 0x00010000
    Form().Tick();
    attributes(0x02);
    app.tickCount += lockkeys::Enforcer::kOwnStrokeTimeoutMs;  // the Shift stroke never came back
    Form().Tick();
    EXPECT_EQ(Presses(), (std::vector<int>{kVkShift, kVkCapital}));
}

// Caps Lock brushed while Shift is held waits for Shift; a key left alone is looked at again
// within a tenth of a second, by a timer apart from the enforcement timer.
TEST_F(InstantCheckTest, CapsLockLeftAloneWhileShiftIsHeldIsCheckedAgainSoon) {
    Start();
    keyboard.states[kVkShift] = -128;
    Form().RawKeyUp(kVkCapital);
    Form().Tick();
    EXPECT_TRUE(Presses().empty());
    ASSERT_TRUE(Form().RecheckDriver().running);
    EXPECT_EQ(Form().RecheckDriver().period, 100u);
    Form().RecheckTick();  // still held: it asks again
    EXPECT_TRUE(Presses().empty());
    EXPECT_TRUE(Form().RecheckDriver().running);

    keyboard.states[kVkShift] = 0;  // released where raw input did not hear it
    Form().RecheckTick();
    EXPECT_EQ(Presses(), std::vector<int>{kVkCapital});
    EXPECT_FALSE(Form().RecheckDriver().running);
    EXPECT_TRUE(TimerOn());
}

TEST_F(InstantCheckTest, TheReleaseOfShiftCtrlOrAltIsACheckOfItsOwn) {
    for (int key : {0x10, 0x11, 0x12, 0xA0, 0xA5}) {
        keyboard.strokes.clear();
        Start();
        Form().RawKeyUp(key);
        EXPECT_EQ(Presses(), std::vector<int>{kVkCapital}) << key;
    }
}

}  // namespace
}  // namespace keystead::app::testing
