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

void PumpMessages(std::chrono::milliseconds duration) {
    auto end = std::chrono::steady_clock::now() + duration;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                continue;  // a test's form ending: keep serving the others
            }
            Deliver(message);
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
    }
}

}  // namespace keystead::toolkit::win32
