// The real Keystead.exe's programs window: /programs starts the program with it; a name typed,
// added and given a mode goes with OK to sections "programs" and "pause" of the settings file.
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
    bool IniHolds(const std::string& text) const {
        return WaitUntil("the settings file",
                         [&] { return folder_.ReadIni().find(text) != std::string::npos; });
    }

    ProgramFolder folder_{L"keystead-programs-window"};
    std::unique_ptr<KeysteadProcess> started_;
};

TEST_F(ProgramsWindowEndToEnd, TheSwitchOpensItAndOKWritesWhatItShows) {
    started_ = std::make_unique<KeysteadProcess>(folder_.Exe(), L"/programs");
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil("the programs window", [&] {
        window = FindWindowW(L"KeysteadForm", kTitle);
        return window != nullptr && IsWindowVisible(window);
    }));
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

}  // namespace
}  // namespace keystead::e2e
