#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "toolkit/Form.h"
#include "toolkit/Screen.h"

namespace keystead::toolkit::win32 {

// Explorer's broadcast that a new notification area has started, registered once.
UINT TaskbarCreatedMessage();
// Lets that broadcast through to a window of an elevated program.
void AllowTaskbarCreated(HWND window);

// The shift state of the keyboard as the toolkit's mask (kShiftMask, kCtrlMask, kAltMask).
int ShiftState();

// A WM_MOUSEMOVE as the form's mouse-move event: button state, shift state, X and Y in
// twips.
struct MouseMoveNotice {
    std::int16_t button;
    std::int16_t shift;
    float x;
    float y;
    // wParam as a point: the icon's anchor under NOTIFYICON_VERSION_4.
    ScreenPoint anchor;
};
// Decodes a WM_MOUSEMOVE that the shell sent for our notification-area icon. Real pointer
// movement over the window gives nothing.
std::optional<MouseMoveNotice> DecodeShellMouseMove(HWND window, WPARAM wParam, LPARAM lParam,
                                                    const Screen& screen);

}  // namespace keystead::toolkit::win32
