// Another program's low-level keyboard hook sees the real Keystead.exe's corrections with the
// keys' own scan codes (and Num Lock's extended flag), as remote desktop and virtual machine
// consoles need them to pass the correction on.
#include <gtest/gtest.h>

#include <algorithm>

#include "KeysteadProcess.h"
#include "lockkeys/Keyboard.h"
#include "tests/lockkeys/win32/StrokeRecorder.h"
#include "toolkit/win32/MessageLoop.h"

namespace keystead::e2e {
namespace {

using namespace std::chrono_literals;
using testing::StrokeRecorder;

constexpr BYTE kLockKeys[] = {VK_CAPITAL, VK_NUMLOCK, VK_SCROLL};

void TurnAllOff() {
    for (BYTE key : kLockKeys) {
        TurnOff(key);
    }
}

bool AllOn() {
    for (BYTE key : kLockKeys) {
        if (!KeyToggled(key)) {
            return false;
        }
    }
    return true;
}

TEST(EndToEndScanCodes, KeysteadsCorrectionsCarryTheKeysScanCodes) {
    TurnAllOff();
    StrokeRecorder recorder;
    ASSERT_TRUE(recorder.Hooked());
    ProgramFolder folder(L"keystead-scancodes");
    folder.WriteIni("[main]\r\nCapsLock=1\r\nNumLock=1\r\nScrollLock=1\r\nInterval=200\r\n");
    {
        KeysteadProcess process(folder.Exe());
        ASSERT_TRUE(process.WaitUntilReady());
        EXPECT_TRUE(WaitUntil("the three lock keys on", AllOn))
            << "Keystead should have turned the three keys on";
        EXPECT_TRUE(EndFromTheTray(process));
    }
    // The hook hears of each stroke while this thread serves its queue.
    WaitUntil("a press and a release of each lock key", [&recorder] {
        const auto strokes = recorder.Tagged(lockkeys::kOwnKeystrokeTag);
        return std::all_of(std::begin(kLockKeys), std::end(kLockKeys), [&](BYTE key) {
            return std::count_if(strokes.begin(), strokes.end(), [key](const auto& stroke) {
                       return stroke.virtualKey == key;
                   }) >= 2;
        });
    });
    TurnAllOff();

    struct Expected {
        DWORD virtualKey;
        DWORD scanCode;
        bool extended;
    };
    constexpr Expected kExpected[] = {
        {VK_CAPITAL, 0x3A, false}, {VK_NUMLOCK, 0x45, true}, {VK_SCROLL, 0x46, false}};
    const auto strokes = recorder.Tagged(lockkeys::kOwnKeystrokeTag);
    for (const Expected& key : kExpected) {
        SCOPED_TRACE("key " + std::to_string(key.virtualKey));
        int seen = 0;
        for (const auto& stroke : strokes) {
            if (stroke.virtualKey == key.virtualKey) {
                ++seen;
                EXPECT_EQ(stroke.scanCode, key.scanCode);
                EXPECT_EQ(stroke.extended, key.extended);
            }
        }
        EXPECT_GE(seen, 2) << "a press and a release";
    }
}

}  // namespace
}  // namespace keystead::e2e
