#include "toolkit/win32/ShellNotices.h"

#include <windowsx.h>

#include "toolkit/Form.h"
#include "toolkit/win32/Library.h"

namespace keystead::toolkit::win32 {

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

// An elevated program does not hear Explorer's TaskbarCreated broadcast unless it lets the
// message through the filter between privilege levels (Windows 7 and later).
void AllowTaskbarCreated(HWND window) {
    using ChangeFilterFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    static const auto changeFilter = User32Function<ChangeFilterFn>("ChangeWindowMessageFilterEx");
    constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
    if (changeFilter != nullptr && TaskbarCreatedMessage() != 0) {
        changeFilter(window, TaskbarCreatedMessage(), kAllow, nullptr);
    }
}

int ShiftState() {
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= kShiftMask;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= kCtrlMask;
    if (GetKeyState(VK_MENU) < 0)
        shift |= kAltMask;
    return shift;
}

std::optional<MouseMoveNotice> DecodeShellMouseMove(HWND window, WPARAM wParam, LPARAM lParam,
                                                    const Screen& screen) {
    // The shell reports mouse activity on our notification-area icon with this message,
    // the mouse message in the low word. Real pointer movement over the window carries the
    // pointer's own position: leave that out, or at 150 % scaling a move along the top row
    // at x = 513..518 would read as a tray command.
    DWORD position = GetMessagePos();
    POINT pointer{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ScreenToClient(window, &pointer);
    if (pointer.x == GET_X_LPARAM(lParam) && pointer.y == GET_Y_LPARAM(lParam)) {
        return std::nullopt;
    }
    return MouseMoveNotice{
        .button = static_cast<std::int16_t>(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)),
        .shift = static_cast<std::int16_t>(ShiftState()),
        .x = static_cast<float>(LOWORD(lParam)) * screen.TwipsPerPixelX(),
        .y = static_cast<float>(HIWORD(lParam)) * screen.TwipsPerPixelY(),
        .anchor = {GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)},
    };
}

}  // namespace keystead::toolkit::win32
