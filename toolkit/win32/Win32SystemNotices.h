#pragma once

#include <windows.h>

#include "toolkit/Form.h"
#include "toolkit/win32/Handles.h"

namespace keystead::toolkit::win32 {

// The system's notices to a form's window that the form's owner hears whether or not the
// window is shown: raw keyboard input from every program (a key released), the session
// unlocked, the machine resumed from sleep, a keyboard plugged in. Listens from construction
// until destruction, which must come before the window's end.
class Win32SystemNotices {
public:
    Win32SystemNotices(HWND window, SystemEvents& events);
    ~Win32SystemNotices();
    Win32SystemNotices(const Win32SystemNotices&) = delete;
    Win32SystemNotices& operator=(const Win32SystemNotices&) = delete;

    // Handles one message of the window's procedure; false for the messages it leaves to it.
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    void OnRawInput(HRAWINPUT input);

    HWND window_;
    SystemEvents& events_;
    UniqueLibrary wtsapi_;
    bool sessionNotices_ = false;
};

}  // namespace keystead::toolkit::win32
