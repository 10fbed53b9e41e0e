// The real Keystead.exe steps aside while a program of its list has the focus: an
// accidental Caps Lock press there stays, and the key is put back as soon as another
// window comes to the front. The interval is a minute, so the timer cannot explain it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "CapsLockTest.h"
#include "ForegroundWindows.h"
#include "KeysteadProcess.h"

namespace keystead::e2e {
namespace {

class StepAside : public CapsLockTest {
protected:
    void Start(const std::string& pauseSection) {
        folder_.WriteIni(
            "[main]\r\nCapsLock=0\r\nNumLock=2\r\nScrollLock=2\r\nInterval=60000\r\n[pause]\r\n" +
            pauseSection);
        process_ = StartIn(folder_);
    }

    ProgramFolder folder_{L"keystead-step-aside"};
    OwnWindow own_;
};

TEST_F(StepAside, CapsLockStaysWhileAListedProgramHasTheFocusAndIsPutBackWhenItLoses) {
    FocusedWindowProcess helper;
    ASSERT_TRUE(helper.Ready());
    Start("Programs=notepad.exe; focusedwindow.EXE ;C:\\bad\\path.exe\r\n");

    helper.BringToFront();
    ASSERT_EQ(GetForegroundWindow(), helper.Window());
    EXPECT_TRUE(CapsPressComesToStay()) << "left alone while the listed program is in front";

    own_.BringToFront();
    EXPECT_TRUE(CapsGoesOff()) << "put back at once when another window comes to the front";

    // And again, with the list's program coming back to the front.
    helper.BringToFront();
    EXPECT_TRUE(CapsPressComesToStay());
    own_.BringToFront();
    EXPECT_TRUE(CapsGoesOff());
}

TEST_F(StepAside, AProgramNotOnTheListIsNotSteppedAsideFor) {
    FocusedWindowProcess helper;
    ASSERT_TRUE(helper.Ready());
    Start("Programs=mstsc.exe\r\nFullScreen=1\r\n");
    helper.BringToFront();
    PressKey(VK_CAPITAL);
    EXPECT_TRUE(CapsGoesOff());
}

}  // namespace
}  // namespace keystead::e2e
