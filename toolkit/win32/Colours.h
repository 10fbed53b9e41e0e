#pragma once

#include <windows.h>

#include "toolkit/Form.h"

namespace keystead::toolkit::win32 {

COLORREF ToColorRef(Rgb color);

// Whether Windows shows a high-contrast theme (SPI_GETHIGHCONTRAST): then every window of the
// program paints with the user's colours, not its own. The one place that decides.
bool HighContrast();
// Replaces the question, for tests: Wine refuses to switch high contrast on. Null asks
// Windows again.
using HighContrastQuery = bool (*)();
void SetHighContrastQuery(HighContrastQuery query);

// What a form paints with now: its design's background and text, or in high contrast
// Windows' COLOR_WINDOW and COLOR_WINDOWTEXT, and COLOR_GRAYTEXT for a disabled control.
struct FormPalette {
    COLORREF background;
    COLORREF text;
    COLORREF disabledText;
};
FormPalette CurrentPalette(const FormDesign& design);

// Fills a window's client area with the form's background (WM_ERASEBKGND).
void FillBackground(HWND window, HDC dc, const FormDesign& design);

// Sets up a control's device context in the form's colours and returns the brush for its
// background (WM_CTLCOLORSTATIC, WM_CTLCOLORBTN).
LRESULT FormColours(HDC dc, const FormDesign& design, bool enabled);

// Takes the visual style off a button, whose themed text would keep the theme's colour
// rather than the form's; in high contrast gives it back, so that the theme draws it.
void DrawInFormColours(HWND button);

}  // namespace keystead::toolkit::win32
