#include <vector>

#include <gtest/gtest.h>

#include "MainHarness.h"

namespace keystead::app::testing {
namespace {

using lockkeys::FakeKeyboard;
using lockkeys::kKeyEventKeyUp;
using lockkeys::kOwnKeystrokeTag;
using lockkeys::kVkCapital;
using lockkeys::kVkNumLock;
using lockkeys::kVkScroll;
using Stroke = FakeKeyboard::Stroke;

std::vector<Stroke> Flip(std::uint8_t key) {
    return {{key, 0, 0, kOwnKeystrokeTag}, {key, 0, kKeyEventKeyUp, kOwnKeystrokeTag}};
}

class EnforcementTest : public MainTest {};

TEST_F(EnforcementTest, ATickFlipsCapsLockBackOff) {
    keyboard.states[kVkCapital] = 1;
    keyboard.states[kVkNumLock] = 1;
    Start();
    Form().Tick();
    EXPECT_EQ(keyboard.strokes, Flip(kVkCapital));
    // Shift, Ctrl and Alt first: Caps Lock waits while one of them is held.
    EXPECT_EQ(keyboard.reads,
              (std::vector<std::int32_t>{0x10, 0x11, 0x12, kVkCapital, kVkNumLock, kVkScroll}));
}

TEST_F(EnforcementTest, NoTickBeforeStartUp) {
    keyboard.states[kVkCapital] = 1;
    Create();
    Form().Tick();
    EXPECT_TRUE(keyboard.strokes.empty());
}

TEST_F(EnforcementTest, AppliedModesTakeEffectAtTheNextTick) {
    keyboard.states[kVkCapital] = 1;
    keyboard.states[kVkNumLock] = 1;
    keyboard.states[kVkScroll] = 0;
    Start();
    Form().Click(CapsLockSetting, 2);    // allow toggling
    Form().Click(NumLockSetting, 0);     // force off
    Form().Click(ScrollLockSetting, 1);  // force on
    Form().Tick();
    EXPECT_EQ(keyboard.strokes, Flip(kVkCapital));  // not applied yet
    keyboard.strokes.clear();

    Form().Click(ApplyButton);
    Form().Tick();
    std::vector<Stroke> expected = Flip(kVkNumLock);
    for (const Stroke& stroke : Flip(kVkScroll)) {
        expected.push_back(stroke);
    }
    EXPECT_EQ(keyboard.strokes, expected);
}

TEST_F(EnforcementTest, AModeWithoutAButtonLeavesItsKeyAlone) {
    profile.Put("CapsLock", "7");
    keyboard.states[kVkCapital] = 1;
    keyboard.states[kVkNumLock] = 1;
    Start();
    Form().Tick();
    EXPECT_TRUE(keyboard.strokes.empty());
}

TEST_F(EnforcementTest, EveryTickChecksAgain) {
    keyboard.states[kVkCapital] = 1;
    keyboard.states[kVkNumLock] = 1;
    Start();
    // Each tick comes after the program's last stroke has had its time to arrive.
    for (int tick = 0; tick < 3; ++tick) {
        app.tickCount += lockkeys::Enforcer::kOwnStrokeTimeoutMs;
        Form().Tick();
    }
    EXPECT_EQ(keyboard.strokes.size(), 6u);  // the fake keyboard never flips
}

TEST_F(EnforcementTest, NoTickAfterShutDown) {
    keyboard.states[kVkCapital] = 1;
    Start();
    Notify(kRightDoubleClick);
    Form().Tick();
    EXPECT_TRUE(keyboard.strokes.empty());
}

}  // namespace
}  // namespace keystead::app::testing
