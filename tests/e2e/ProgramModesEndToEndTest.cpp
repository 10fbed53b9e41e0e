// The real Keystead.exe holds a program's own lock modes while its window is in front, and
// the main settings once another window is, putting Caps Lock right within 200 ms of the
// change; a program also on the "pause" list is stepped aside for. The interval is a minute,
// so the timer cannot explain any of it.
#include <gtest/gtest.h>

#include <string>

#include "CapsLockTest.h"
#include "ForegroundWindows.h"
#include "KeysteadProcess.h"

namespace keystead::e2e {
namespace {

// Within this of another window coming to the front, the keys are as its program wants them.
constexpr auto kAtOnce = 200ms;

class ProgramModes : public CapsLockTest {
protected:
    // FocusedWindow.exe under the name the settings file lists.
    ProgramModes() { CopyFileW(HelperExe().c_str(), Typer().c_str(), FALSE); }
    ~ProgramModes() override { DeleteFileW(Typer().c_str()); }

    std::wstring Typer() const { return folder_.Path() + L"\\typer.exe"; }
    void Start(const std::string& sections) {
        folder_.WriteIni("[main]\r\nCapsLock=0\r\nNumLock=2\r\nScrollLock=2\r\nInterval=60000\r\n" +
                         sections);
        process_ = StartIn(folder_);
    }

    ProgramFolder folder_{L"keystead-program-modes"};
    OwnWindow own_;
};

TEST_F(ProgramModes, AllowTogglingLetsAPressStayThereAndForceOffComesBackWithAnotherWindow) {
    FocusedWindowProcess typer(Typer());
    ASSERT_TRUE(typer.Ready());
    Start("[programs]\r\ntyper.exe=2,,\r\n");
    for (int round = 0; round < 2; ++round) {
        typer.BringToFront();
        EXPECT_TRUE(CapsPressComesToStay()) << "round " << round;
        own_.BringToFront();
        EXPECT_TRUE(KeyBecomes(VK_CAPITAL, false, kAtOnce)) << "round " << round;
    }
}

TEST_F(ProgramModes, ForceOnTurnsCapsLockOnWhenTheProgramComesToTheFrontAndHoldsItThere) {
    FocusedWindowProcess typer(Typer());
    ASSERT_TRUE(typer.Ready());
    Start("[programs]\r\ntyper.exe=1,,\r\n");
    own_.BringToFront();
    ASSERT_TRUE(CapsGoesOff());
    // Four rounds: more corrections than the checks made at once may make in ten seconds.
    for (int round = 0; round < 4; ++round) {
        typer.BringToFront();
        EXPECT_TRUE(KeyBecomes(VK_CAPITAL, true, kAtOnce)) << "round " << round;
        PressKey(VK_CAPITAL);
        EXPECT_TRUE(KeyBecomes(VK_CAPITAL, true)) << "held on there";
        EXPECT_TRUE(KeyStays(VK_CAPITAL, true, 500ms));
        own_.BringToFront();
        EXPECT_TRUE(KeyBecomes(VK_CAPITAL, false, kAtOnce)) << "round " << round;
    }
}

TEST_F(ProgramModes, AProgramAlsoOnThePauseListIsSteppedAsideFor) {
    FocusedWindowProcess typer(Typer());
    ASSERT_TRUE(typer.Ready());
    Start("[pause]\r\nPrograms=typer.exe\r\n[programs]\r\ntyper.exe=1,,\r\n");
    own_.BringToFront();
    ASSERT_TRUE(CapsGoesOff());
    typer.BringToFront();
    EXPECT_TRUE(KeyStays(VK_CAPITAL, false, 1000ms)) << "not turned on";
    EXPECT_TRUE(CapsPressComesToStay()) << "nor put back off";
    own_.BringToFront();
    EXPECT_TRUE(CapsGoesOff());
}

}  // namespace
}  // namespace keystead::e2e
