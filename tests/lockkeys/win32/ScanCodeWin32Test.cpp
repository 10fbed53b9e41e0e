// The strokes the check types reach other programs as a real key's would: with the key's scan
// code and, for Num Lock, the extended flag, so that remote desktop and virtual machine
// consoles, which pass scan codes on, see the correction. Seen through a low-level keyboard
// hook, under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>

#include "lockkeys/LockKeyCheck.h"
#include "lockkeys/win32/Win32Keyboard.h"
#include "tests/lockkeys/win32/StrokeRecorder.h"
#include "toolkit/win32/MessageLoop.h"

namespace keystead::lockkeys {
namespace {

using namespace std::chrono_literals;
using testing::StrokeRecorder;
using toolkit::win32::PumpMessages;

struct Expected {
    std::uint8_t virtualKey;
    DWORD scanCode;
    bool extended;
};

// The scan codes of the PC keyboard, the same in every layout.
constexpr Expected kExpected[] = {
    {kVkCapital, 0x3A, false},
    {kVkNumLock, 0x45, true},
    {kVkScroll, 0x46, false},
};

TEST(ScanCodeWin32, EachLockKeyIsTypedWithItsOwnScanCode) {
    StrokeRecorder recorder;
    ASSERT_TRUE(recorder.Hooked());
    win32::Win32Keyboard keyboard;
    // Every key that disagrees is flipped once; the second check puts each back.
    for (const LockMode mode : {kForceOn, kForceOff}) {
        PumpMessages(50ms);
        Settings settings{mode, mode, mode, kFalse};
        for (const Expected& key : kExpected) {
            if (((keyboard.GetKeyState(key.virtualKey) & 1) != 0) == (mode == kForceOn)) {
                keyboard.KeybdEvent(key.virtualKey, 0, 0, 0);  // so that the check flips it
                keyboard.KeybdEvent(key.virtualKey, 0, kKeyEventKeyUp, 0);
            }
        }
        PumpMessages(50ms);
        CheckLockKeys(keyboard, settings);
        PumpMessages(100ms);
    }
    PumpMessages(100ms);

    const auto strokes = recorder.Tagged(kOwnKeystrokeTag);
    ASSERT_EQ(strokes.size(), 12u) << "three keys, pressed and released, twice";
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        const Expected& key = kExpected[(i / 2) % 3];
        SCOPED_TRACE("stroke " + std::to_string(i) + " of key " + std::to_string(key.virtualKey));
        EXPECT_EQ(strokes[i].virtualKey, key.virtualKey);
        EXPECT_EQ(strokes[i].scanCode, key.scanCode);
        EXPECT_EQ(strokes[i].extended, key.extended);
        EXPECT_EQ(strokes[i].up, i % 2 == 1);
        EXPECT_TRUE(strokes[i].injected);
    }
}

TEST(ScanCodeWin32, AScanCodeGivenIsKept) {
    StrokeRecorder recorder;
    ASSERT_TRUE(recorder.Hooked());
    win32::Win32Keyboard keyboard;
    keyboard.KeybdEvent(kVkShift, 0x36, 0, kOwnKeystrokeTag);  // the right Shift
    keyboard.KeybdEvent(kVkShift, 0x36, kKeyEventKeyUp, kOwnKeystrokeTag);
    PumpMessages(100ms);
    const auto strokes = recorder.Tagged(kOwnKeystrokeTag);
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0].scanCode, 0x36u);
    EXPECT_FALSE(strokes[0].extended);
}

}  // namespace
}  // namespace keystead::lockkeys
