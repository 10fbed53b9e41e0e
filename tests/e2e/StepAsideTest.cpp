// The real Keystead.exe steps aside while a program of its list has the focus: an
// accidental Caps Lock press there stays, and the key is put back as soon as another
// window comes to the front. The interval is a minute, so the timer cannot explain it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "CapsLockTest.h"
#include "KeysteadProcess.h"
#include "toolkit/win32/Handles.h"
#include "toolkit/win32/Text.h"
#include "toolkit/win32/Win32Form.h"

namespace keystead::e2e {
namespace {

using namespace std::chrono_literals;
using toolkit::win32::PumpMessages;
using toolkit::win32::UniqueKernelHandle;

std::wstring HelperExe() {
    return BuiltProgram(FOCUSED_WINDOW_EXE);
}

// FocusedWindow.exe, running with its window in front; ended by the destructor.
class FocusedWindowProcess {
public:
    FocusedWindowProcess() {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + HelperExe() + L"\"";
        PROCESS_INFORMATION info{};
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &info) == FALSE) {
            ADD_FAILURE() << "could not start FocusedWindow.exe: error " << GetLastError();
            return;
        }
        process_.reset(info.hProcess);
        UniqueKernelHandle thread(info.hThread);
        WaitUntil("FocusedWindow.exe's window", [&] {
            HWND candidate = FindWindowW(L"KeysteadTestFocusedWindow", nullptr);
            DWORD owner = 0;
            if (candidate != nullptr && GetWindowThreadProcessId(candidate, &owner) != 0 &&
                owner == info.dwProcessId) {
                window_ = candidate;
            }
            return window_ != nullptr;
        });
    }
    ~FocusedWindowProcess() {
        if (process_ != nullptr) {
            TerminateProcess(process_.get(), 0);
            WaitForSingleObject(process_.get(), 5000);
        }
    }
    FocusedWindowProcess(const FocusedWindowProcess&) = delete;
    FocusedWindowProcess& operator=(const FocusedWindowProcess&) = delete;

    bool Ready() const { return window_ != nullptr; }
    // Returns once the window is in front; the caller syncs with Keystead, which hears of it
    // from Windows.
    void BringToFront() const {
        SetForegroundWindow(window_);
        WaitUntil("FocusedWindow.exe in front",
                  [this] { return GetForegroundWindow() == window_; });
    }
    HWND Window() const { return window_; }

private:
    UniqueKernelHandle process_;
    HWND window_ = nullptr;
};

// A window of the test itself, to take the front from the helper.
class OwnWindow {
public:
    OwnWindow()
        : window_(CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320,
                                  80, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {}
    ~OwnWindow() { DestroyWindow(window_); }
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;

    void BringToFront() const {
        SetForegroundWindow(window_);
        SetFocus(window_);
        WaitUntil("the test's window in front",
                  [this] { return GetForegroundWindow() == window_; });
    }
    HWND Window() const { return window_; }

private:
    HWND window_;
};

// Whether Caps Lock stays on for a good while, far longer than a correction takes.
bool CapsStaysOn() {
    return KeyStays(VK_CAPITAL, true, 1500ms);
}

// Whether a Caps Lock press comes to stay on. Under Wine, which raises no event when another
// window comes to the front, Keystead looks at the front window four times a second, so a
// press made before it looked may still be put back: press again until one stays.
bool CapsPressComesToStay() {
    return WaitUntil("a Caps Lock press that stays on", [] {
        if (!KeyToggled(VK_CAPITAL)) {
            PressKey(VK_CAPITAL);
        }
        return CapsStaysOn();
    });
}

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
