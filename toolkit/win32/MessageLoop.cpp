#include "toolkit/win32/MessageLoop.h"

#include <windows.h>

#include "toolkit/win32/Win32Form.h"

namespace keystead::toolkit::win32 {

namespace {

void Deliver(MSG& message) {
    if (!Win32Form::PreTranslate(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        Deliver(message);
    }
    return static_cast<int>(message.wParam);
}

// Counts with the system's tick count: steady_clock would bring the C++ runtime's clocks.
void PumpMessages(std::chrono::milliseconds duration) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(duration.count());
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                continue;  // a test's form ending: keep serving the others
            }
            Deliver(message);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= end) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}

}  // namespace keystead::toolkit::win32
