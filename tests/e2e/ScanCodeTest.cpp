// Another program's low-level keyboard hook sees the real Keystead.exe's corrections with the
// keys' own scan codes (and Num Lock's extended flag), as remote desktop and virtual machine
// consoles need them to pass the correction on.
#include <gtest/gtest.h>

#include <thread>

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
        if (KeyToggled(key)) {
            PressKey(key);
        }
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
        for (int wait = 0; wait < 50 && !AllOn(); ++wait) {
            toolkit::win32::PumpMessages(100ms);
        }
        EXPECT_TRUE(AllOn()) << "Keystead should have turned the three keys on";
        process.Tray(WM_RBUTTONUP);
        process.Tray(WM_RBUTTONDBLCLK);
        EXPECT_TRUE(process.WaitForExit(20s));
    }
    toolkit::win32::PumpMessages(100ms);
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
