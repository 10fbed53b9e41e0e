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
    int rechecksAsked = 0;
    Enforcer enforcer{keyboard, [this] { return now; }, [this] { return shiftSetting; },
                      [this] { ++rechecksAsked; }};
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

// A stroke typed while the user holds Shift, Ctrl or Alt would change what the held key does
// (an injected Shift release cancels the user's Shift): Caps Lock waits for its release.
TEST_F(EnforcerTest, CapsLockWaitsWhileShiftCtrlOrAltIsHeld) {
    for (std::uint8_t held : {std::uint8_t{0x10}, std::uint8_t{0x11}, std::uint8_t{0x12}}) {
        FakeKeyboard keys;
        keys.toggles = true;
        keys.states = {{kVkCapital, 0}, {kVkNumLock, 0}, {kVkScroll, 0}, {held, -128}};
        int asked = 0;
        Enforcer waiting{keys, [] { return 0; }, [] { return false; }, [&] { ++asked; }};
        keys.states[kVkCapital] = 1;  // brushed while the modifier is held
        waiting.KeyReleased(kVkCapital, 0, settings);
        waiting.TimerCheck(settings);
        EXPECT_EQ(keys.strokes, Flip(kVkNumLock)) << "only Num Lock, modifier " << int{held};
        EXPECT_EQ(asked, 2) << "looked at again soon, modifier " << int{held};

        keys.states[held] = 0;
        waiting.KeyReleased(held, 0, settings);  // its release is a check of its own
        EXPECT_EQ(keys.states[kVkCapital], 0) << "modifier " << int{held};
    }
}

// Windows' setting may say that Shift turns Caps Lock off while Shift does not (the registry
// and the live setting disagree, or Wine): Caps Lock is pressed from then on.
TEST_F(EnforcerTest, AShiftThatDoesNotTakeGivesWayToTheCapsLockKey) {
    shiftSetting = true;  // keyboard.shiftTurnsOffCapsLock stays false: Shift changes nothing
    keyboard.states = {{kVkCapital, 0}, {kVkNumLock, 1}, {kVkScroll, 0}};
    UserStrikes(kVkCapital);
    EXPECT_EQ(keyboard.strokes, Flip(kVkShift));
    OwnStrokesComeBack();  // the check on Shift's return finds Caps Lock still on
    std::vector<Stroke> expected = Flip(kVkShift);
    for (const Stroke& stroke : Flip(kVkCapital)) {
        expected.push_back(stroke);
    }
    EXPECT_EQ(keyboard.strokes, expected);
    EXPECT_EQ(keyboard.states[kVkCapital], 0);

    OwnStrokesComeBack();
    now += 1000;
    UserStrikes(kVkCapital);
    EXPECT_EQ(keyboard.strokes.back(), Flip(kVkCapital).back()) << "no Shift any more";
    OwnStrokesComeBack();

    // A change of the setting gives Shift a new try.
    shiftSetting = false;
    now += 1000;
    UserStrikes(kVkCapital);
    OwnStrokesComeBack();
    shiftSetting = true;
    now += 1000;
    UserStrikes(kVkCapital);
    EXPECT_EQ(keyboard.strokes.back(), Flip(kVkShift).back());
}

// A tick between a correction and its arrival must not flip the key back for a whole interval.
TEST_F(EnforcerTest, TheTimerLeavesAKeyAloneWhileItsCorrectionIsOnItsWay) {
    keyboard.states = {{kVkCapital, 0}, {kVkNumLock, 1}, {kVkScroll, 0}};
    keyboard.lagging = true;
    UserStrikes(kVkCapital);
    enforcer.TimerCheck(settings);
    EXPECT_EQ(keyboard.strokes, Flip(kVkCapital));
    EXPECT_EQ(rechecksAsked, 1);
    keyboard.CatchUp();
    OwnStrokesComeBack();
    enforcer.TimerCheck(settings);
    EXPECT_EQ(keyboard.strokes, Flip(kVkCapital));
    EXPECT_EQ(keyboard.states[kVkCapital], 0);
}

// The user strikes the key again before the correction lands: the release read then is
// stale, so the key is checked again when the correction comes back.
TEST_F(EnforcerTest, AReleaseLeftAloneWhileAStrokeWasPendingIsCheckedWhenItComesBack) {
    keyboard.states = {{kVkCapital, 0}, {kVkNumLock, 1}, {kVkScroll, 0}};
    keyboard.lagging = true;
    UserStrikes(kVkCapital);
    UserStrikes(kVkCapital);  // reads off, with the flip still to come
    EXPECT_EQ(keyboard.strokes, Flip(kVkCapital));
    keyboard.CatchUp();  // the flip lands: on
    OwnStrokesComeBack();
    EXPECT_EQ(keyboard.strokes.size(), 4u);
    keyboard.CatchUp();
    EXPECT_EQ(keyboard.states[kVkCapital], 0);
}

TEST_F(EnforcerTest, AHeldLockKeyAsksForALookSoonAndAgreeingKeysDoNot) {
    keyboard.states = {{kVkCapital, 0}, {kVkNumLock, 1}, {kVkScroll, 0}};
    enforcer.TimerCheck(settings);
    EXPECT_EQ(rechecksAsked, 0);
    keyboard.states[kVkNumLock] = -127;
    enforcer.TimerCheck(settings);
    EXPECT_EQ(rechecksAsked, 1);
    EXPECT_TRUE(keyboard.strokes.empty());
}

}  // namespace
}  // namespace keystead::lockkeys
