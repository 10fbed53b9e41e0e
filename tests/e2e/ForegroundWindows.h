#pragma once

// Windows of other programs to bring to the front of Keystead under test: FocusedWindow.exe
// (under any name) and a window of the test itself.
#include <windows.h>

#include <chrono>
#include <string>

#include "KeysteadProcess.h"
#include "toolkit/win32/Handles.h"

namespace keystead::e2e {

using namespace std::chrono_literals;
using toolkit::win32::UniqueKernelHandle;

inline std::wstring HelperExe() {
    return BuiltProgram(FOCUSED_WINDOW_EXE);
}

// FocusedWindow.exe, running with its window in front; ended by the destructor.
class FocusedWindowProcess {
public:
    explicit FocusedWindowProcess(const std::wstring& exe = HelperExe()) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + exe + L"\"";
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
inline bool CapsStaysOn() {
    return KeyStays(VK_CAPITAL, true, 1500ms);
}

// Whether a Caps Lock press comes to stay on. Under Wine, which raises no event when another
// window comes to the front, Keystead looks at the front window ten times a second, so a
// press made before it looked may still be put back: press again until one stays.
inline bool CapsPressComesToStay() {
    return WaitUntil("a Caps Lock press that stays on", [] {
        if (!KeyToggled(VK_CAPITAL)) {
            PressKey(VK_CAPITAL);
        }
        return CapsStaysOn();
    });
}

}  // namespace keystead::e2e
