#pragma once

// A window of the test's own process with an edit box that has the focus, as the program a
// user types into: the letters typed land here, and Wine makes raw input only while some
// window has the focus.
#include <windows.h>

#include <string>

#include "tests/support/win32/Wait.h"
#include "toolkit/win32/Text.h"

namespace keystead::testing {

class EditBox {
public:
    EditBox()
        : window_(CreateWindowExW(0, L"EDIT", L"",
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_AUTOHSCROLL, 40, 40, 320,
                                  80, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {
        Focus();
    }
    ~EditBox() { DestroyWindow(window_); }
    EditBox(const EditBox&) = delete;
    EditBox& operator=(const EditBox&) = delete;

    HWND Handle() const { return window_; }

    bool Focus() const {
        SetForegroundWindow(window_);
        SetFocus(window_);
        return WaitUntil("the edit box to take the focus", [this] {
            return GetForegroundWindow() == window_ && GetFocus() == window_;
        });
    }

    // Types a, b and c, and gives what arrived.
    std::string TypeLetters() const {
        Focus();
        SetWindowTextW(window_, L"");
        for (BYTE key : {'A', 'B', 'C'}) {
            keybd_event(key, 0, 0, 0);
            keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
        }
        WaitUntil("three letters in the edit box",
                  [this] { return GetWindowTextLengthW(window_) >= 3; });
        wchar_t text[16] = {};
        GetWindowTextW(window_, text, 16);
        return toolkit::win32::Narrow(text);
    }

private:
    HWND window_;
};

}  // namespace keystead::testing
