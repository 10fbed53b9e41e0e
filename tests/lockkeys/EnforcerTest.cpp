#include <gtest/gtest.h>

#include <vector>

#include "lockkeys/Enforcer.h"
#include "lockkeys/fake/FakeKeyboard.h"

namespace keystead::lockkeys {
namespace {

using Stroke = FakeKeyboard::Stroke;

std::vector<Stroke> Flip(std::uint8_t key) {
    return {{key, 0, 0, kOwnKeystrokeTag}, {key, 0, kKeyEventKeyUp, kOwnKeystrokeTag}};
}

class EnforcerTest : public ::testing::Test {
protected:
    EnforcerTest() { keyboard.toggles = true; }

    // The user strikes a lock key; raw input reports its release.
    void UserStrikes(std::uint8_t key) {
        keyboard.states[key] ^= 1;
        enforcer.KeyReleased(key, 0, settings);
    }
    // Raw input reports back the releases the program typed since the last call.
    void OwnStrokesComeBack() {
        std::vector<Stroke> strokes(keyboard.strokes.begin() + heard, keyboard.strokes.end());
        heard = keyboard.strokes.size();
        for (const Stroke& stroke : strokes) {
            if (stroke.flags & kKeyEventKeyUp) {
                enforcer.KeyReleased(stroke.virtualKey, stroke.extraInfo, settings);
            }
        }
    }

    FakeKeyboard keyboard;
    std::int64_t now = 1000;
    bool shiftSetting = false;
    Settings settings{kForceOff, kForceOn, kAllowToggling, kFalse};
    Enforcer enforcer{keyboard, [this] { return now; }, [this] { return shiftSetting; }};
    std::size_t heard = 0;
};

TEST_F(EnforcerTest, AForcedLockKeyIsPutBackOnItsRelease) {
    keyboard.states = {{kVkCapital, 0}, {kVkNumLock, 1}, {kVkScroll, 0}};
    UserStrikes(kVkCapital);
    EXPECT_EQ(keyboard.strokes, Flip(kVkCapital));
    EXPECT_EQ(keyboard.states[kVkCapital], 0);
}

TEST_F(EnforcerTest, OtherKeysAndTheProgramsOwnStrokesStartNoCheck) {
    keyboard.states[kVkCapital] = 1;
    enforcer.KeyReleased('A', 0, settings);
    enforcer.KeyReleased(kVkCapital, kOwnKeystrokeTag, settings);
    EXPECT_TRUE(keyboard.reads.empty());
}

// The key state the program reads may show its own strokes only later: each press is put
// back exactly once all the same.
TEST_F(EnforcerTest, EachPressIsPutBackOnceWhileTheKeyStateLags) {
    keyboard.states = {{kVkCapital, 0}, {kVkNumLock, 1}, {kVkScroll, 0}};
    keyboard.lagging = true;
    UserStrikes(kVkCapital);
    UserStrikes(kVkScroll);  // another key's release while Caps Lock still reads on
    EXPECT_EQ(keyboard.strokes, Flip(kVkCapital));
    keyboard.CatchUp();
    OwnStrokesComeBack();
    EXPECT_EQ(keyboard.strokes, Flip(kVkCapital));
    EXPECT_EQ(keyboard.states[kVkCapital], 0);

    // The timer got there first; the release of the press then finds the flip on its way.
    keyboard.states[kVkCapital] = 1;
    enforcer.TimerCheck(settings);
    enforcer.KeyReleased(kVkCapital, 0, settings);
    EXPECT_EQ(keyboard.strokes.size(), 4u);
}

TEST_F(EnforcerTest, OwnStrokesThatNeverComeBackHoldTheKeyOnlyBriefly) {
    keyboard.states[kVkNumLock] = 1;
    keyboard.lagging = true;
    UserStrikes(kVkCapital);  // flipped; raw input never reports it back
    now += Enforcer::kOwnStrokeTimeoutMs - 1;
    enforcer.CheckNow(settings);
    EXPECT_EQ(keyboard.strokes.size(), 2u);
    now += 1;
    enforcer.CheckNow(settings);
    EXPECT_EQ(keyboard.strokes.size(), 4u);
}

TEST_F(EnforcerTest, AtMostFiveCorrectionsPerKeyInAnyTenSeconds) {
    keyboard.states = {{kVkCapital, 0}, {kVkNumLock, 1}, {kVkScroll, 0}};
    // Something else turns Caps Lock on again at once, every time.
    for (int i = 0; i < 6; ++i) {
        UserStrikes(kVkCapital);
        OwnStrokesComeBack();
        now += 1000;
    }
    EXPECT_EQ(keyboard.strokes.size(), 10u) << "five corrections, then it stops fighting";
    EXPECT_EQ(keyboard.states[kVkCapital], 1);

    UserStrikes(kVkNumLock);  // another key has its own count
    EXPECT_EQ(keyboard.strokes.size(), 12u);
    OwnStrokesComeBack();

    enforcer.TimerCheck(settings);  // the timer still acts
    EXPECT_EQ(keyboard.strokes.size(), 14u);
    OwnStrokesComeBack();

    now = 1000 + Enforcer::kInstantWindowMs;  // the first correction is ten seconds old
    UserStrikes(kVkCapital);
    EXPECT_EQ(keyboard.strokes.size(), 16u);
    OwnStrokesComeBack();
    UserStrikes(kVkCapital);
    EXPECT_EQ(keyboard.strokes.size(), 16u) << "the second is still within ten seconds";
}

// "To turn off Caps Lock: Press the SHIFT key": a Caps Lock stroke can only turn it on.
TEST_F(EnforcerTest, WithTheShiftSettingCapsLockIsTurnedOffWithShift) {
    struct Case {
        bool setting;
        LockMode mode;
        std::int16_t state;
        std::uint8_t typed;
    };
    const Case cases[] = {
        {true, kForceOff, 1, kVkShift},
        {false, kForceOff, 1, kVkCapital},
        {true, kForceOn, 0, kVkCapital},
    };
    for (const Case& c : cases) {
        FakeKeyboard keys;
        keys.toggles = true;
        keys.shiftTurnsOffCapsLock = c.setting;
        keys.states = {{kVkCapital, c.state}, {kVkNumLock, 1}, {kVkScroll, 0}};
        int asked = 0;
        Enforcer shifty{keys, [] { return 0; },
                        [&] {
                            ++asked;
                            return c.setting;
                        }};
        settings.CapsLockMode = c.mode;
        shifty.TimerCheck(settings);
        shifty.TimerCheck(settings);
        EXPECT_EQ(keys.strokes, Flip(c.typed)) << c.setting << " " << c.mode;
        EXPECT_EQ(asked, c.state == 1 ? 1 : 0) << "asked only when turning Caps Lock off";
    }
}

}  // namespace
}  // namespace keystead::lockkeys
