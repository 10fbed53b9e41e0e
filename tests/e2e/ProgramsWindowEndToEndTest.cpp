// The real Keystead.exe's programs window: /programs starts the program with it; a name typed,
// added and given a mode, a program's mode changed, and a program removed go with OK to
// sections "programs" and "pause" of the settings file.
#include <gtest/gtest.h>

#include "CapsLockTest.h"
#include "KeysteadProcess.h"

namespace keystead::e2e {
namespace {

using namespace std::chrono_literals;

constexpr wchar_t kTitle[] = L"Programs - Tarvine Keystead";
const char kSettings[] = "[main]\r\nCapsLock=0\r\nNumLock=2\r\nScrollLock=0\r\nInterval=100\r\n";

class ProgramsWindowEndToEnd : public CapsLockTest {
protected:
    void SetUp() override {
        CapsLockTest::SetUp();
        folder_.WriteIni(kSettings);
    }
    void TearDown() override {
        if (KeysteadProcess exit(folder_.Exe(), L"/exit"); !exit.WaitForExit(20s)) {
            ADD_FAILURE() << "/exit did not return";
        }
        EXPECT_TRUE(!started_ || started_->WaitForExit(20s));
        started_.reset();
        CapsLockTest::TearDown();
    }
    static void Click(HWND window, const wchar_t* caption) {
        HWND button = ChildWithCaption(window, caption);
        ASSERT_NE(button, nullptr) << "no control";
        SendMessageW(button, BM_CLICK, 0, 0);
    }
    // The window /programs shows (null when it is not up within the ceiling).
    HWND OpenWindow() {
        started_ = std::make_unique<KeysteadProcess>(folder_.Exe(), L"/programs");
        HWND window = nullptr;
        const bool shown = WaitUntil("the programs window", [&] {
            window = FindWindowW(L"KeysteadForm", kTitle);
            return window != nullptr && IsWindowVisible(window);
        });
        return shown ? window : nullptr;
    }
    // Selects a line of the list as a click on it does.
    static void Select(HWND window, const wchar_t* program) {
        HWND list = FindWindowExW(window, nullptr, L"ListBox", nullptr);
        ASSERT_NE(list, nullptr);
        const LRESULT index =
            SendMessageW(list, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(program));
        ASSERT_NE(index, LB_ERR) << "not listed";
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    bool IniHolds(const std::string& text) const {
        return WaitUntil("the settings file",
                         [&] { return folder_.ReadIni().find(text) != std::string::npos; });
    }

    ProgramFolder folder_{L"keystead-programs-window"};
    std::unique_ptr<KeysteadProcess> started_;
};

TEST_F(ProgramsWindowEndToEnd, TheSwitchOpensItAndOKWritesWhatItShows) {
    HWND window = OpenWindow();
    ASSERT_NE(window, nullptr);
    HWND box = FindWindowExW(window, nullptr, L"ComboBox", nullptr);
    ASSERT_NE(box, nullptr);
    SetWindowTextW(box, L"typer.exe");
    Click(window, L"A&dd");
    Click(window, L"Force on");  // Caps Lock's, the first group
    Click(window, L"&OK");
    EXPECT_TRUE(IniHolds("[programs]\r\ntyper.exe=1,,\r\n")) << folder_.ReadIni();
    EXPECT_TRUE(IniHolds("[pause]\r\nPrograms=\r\nFullScreen=0\r\n")) << folder_.ReadIni();
    EXPECT_TRUE(IniHolds(kSettings)) << "the rest of the file stays";
    EXPECT_TRUE(WaitUntil("the window to go", [&] { return IsWindow(window) == FALSE; }));
    EXPECT_TRUE(started_->Running()) << "the program runs on in the tray";
}

TEST_F(ProgramsWindowEndToEnd, AModeChangedAndAProgramRemovedAreWhatOKWrites) {
    folder_.WriteIni(std::string(kSettings) +
                     "[programs]\r\ntyper.exe=1,,\r\ncalc.exe=,0,\r\n"
                     "[pause]\r\nPrograms=game.exe\r\nFullScreen=1\r\n");
    HWND window = OpenWindow();
    ASSERT_NE(window, nullptr);
    Select(window, L"typer.exe");
    Click(window, L"Allow toggling");  // Caps Lock's, the first group
    Select(window, L"calc.exe");
    Click(window, L"&Remove");
    Click(window, L"&OK");
    EXPECT_TRUE(
        IniHolds("[programs]\r\ntyper.exe=2,,\r\n[pause]\r\nPrograms=game.exe\r\n"
                 "FullScreen=1\r\n"))
        << folder_.ReadIni();
    EXPECT_TRUE(IniHolds(kSettings)) << "the rest of the file stays";
}

}  // namespace
}  // namespace keystead::e2e
