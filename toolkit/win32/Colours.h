#pragma once

#include <windows.h>

#include "toolkit/Form.h"

namespace keystead::toolkit::win32 {

COLORREF ToColorRef(Rgb color);

// Fills a window's client area with the form's background (WM_ERASEBKGND).
void FillBackground(HWND window, HDC dc, Rgb background);

// Sets up a control's device context in the form's colours and returns the brush for its
// background (WM_CTLCOLORSTATIC, WM_CTLCOLORBTN).
LRESULT FormColours(HDC dc, const FormDesign& design);

// Takes the visual style off a button, whose themed text would keep the theme's colour
// rather than the form's.
void DrawInFormColours(HWND button);

}  // namespace keystead::toolkit::win32
