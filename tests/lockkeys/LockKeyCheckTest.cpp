#include <gtest/gtest.h>

#include <vector>

#include "lockkeys/LockKeyCheck.h"
#include "lockkeys/fake/FakeKeyboard.h"

namespace keystead::lockkeys {
namespace {

using Stroke = FakeKeyboard::Stroke;

struct Case {
    LockMode mode;
    std::int16_t state;
    bool flips;
};

// Every mode against every kind of state, for each key in turn with the others left alone.
const Case kCases[] = {
    {kForceOff, 1, true},
    {kForceOff, 0, false},
    {kForceOn, 0, true},
    {kForceOn, 1, false},
    {kAllowToggling, 0, false},
    {kAllowToggling, 1, false},
    {7, 0, false},
    {7, 1, false},
    {-1, 0, false},
    {kForceOff, -127, false},
    {kForceOn, -128, false},
    {kForceOff, -128, false},
    {kForceOn, -127, false},
    {kForceOff, 3, false},
    {kForceOn, 2, false},
};

TEST(LockKeyCheck, FlipsOnlyAKeyThatDisagreesWithAForcedMode) {
    for (std::uint8_t key : {kVkCapital, kVkNumLock, kVkScroll}) {
        for (const Case& c : kCases) {
            Settings settings{kAllowToggling, kAllowToggling, kAllowToggling, kFalse};
            if (key == kVkCapital)
                settings.CapsLockMode = c.mode;
            if (key == kVkNumLock)
                settings.NumLockMode = c.mode;
            if (key == kVkScroll)
                settings.ScrollLockMode = c.mode;
            FakeKeyboard keyboard;
            keyboard.states[key] = c.state;

            CheckLockKeys(keyboard, settings);

            std::vector<Stroke> expected;
            if (c.flips) {
                expected = {{key, 0, 0, kOwnKeystrokeTag},
                            {key, 0, kKeyEventKeyUp, kOwnKeystrokeTag}};
            }
            EXPECT_EQ(keyboard.strokes, expected)
                << "key " << int{key} << ", mode " << c.mode << ", state " << c.state;
        }
    }
}

TEST(LockKeyCheck, ReadsAllThreeKeysBeforeTheFirstStroke) {
    FakeKeyboard keyboard;
    keyboard.states = {{kVkCapital, 0}, {kVkNumLock, 1}, {kVkScroll, 1}};
    Settings settings{kForceOff, kForceOff, kForceOff, kFalse};  // Caps agrees

    CheckLockKeys(keyboard, settings);

    EXPECT_EQ(keyboard.log, (std::vector<std::string>{"read 20", "read 144", "read 145", "down 144",
                                                      "up 144", "down 145", "up 145"}));
}

TEST(LockKeyCheck, FlipsAllThreeInTheFixedOrderOnePairEach) {
    FakeKeyboard keyboard;
    keyboard.states = {{kVkCapital, 1}, {kVkNumLock, 0}, {kVkScroll, 1}};
    Settings settings{kForceOff, kForceOn, kForceOff, kFalse};

    CheckLockKeys(keyboard, settings);

    EXPECT_EQ(keyboard.log,
              (std::vector<std::string>{"read 20", "read 144", "read 145", "down 20", "up 20",
                                        "down 144", "up 144", "down 145", "up 145"}));
}

TEST(LockKeyCheck, KeepsNoMemoryBetweenChecks) {
    // The stroke has not been processed yet: the next check flips again.
    FakeKeyboard keyboard;
    keyboard.states[kVkCapital] = 1;
    Settings settings{kForceOff, kAllowToggling, kAllowToggling, kFalse};

    CheckLockKeys(keyboard, settings);
    CheckLockKeys(keyboard, settings);

    EXPECT_EQ(keyboard.strokes.size(), 4u);
}

}  // namespace
}  // namespace keystead::lockkeys
