#pragma once

#include <windows.h>

#include "toolkit/Form.h"
#include "toolkit/Screen.h"
#include "toolkit/win32/Handles.h"

namespace keystead::toolkit::win32 {

// The screen's resolution for the whole program (the system DPI).
class Win32Screen : public Screen {
public:
    Win32Screen();
    float TwipsPerPixelX() const override { return twipsPerPixelX_; }
    float TwipsPerPixelY() const override { return twipsPerPixelY_; }

private:
    float twipsPerPixelX_;
    float twipsPerPixelY_;
};

// The system DPI along one axis (LOGPIXELSX or LOGPIXELSY): the one place it is read.
UINT SystemDpi(int axis = LOGPIXELSX);
// The DPI a window is shown at: its monitor's where Windows tells, the system's elsewhere.
UINT WindowDpi(HWND window);

// Twips to pixels at a DPI.
int Scale(int twips, UINT dpi);

// The form's text font at a DPI, plain and bold.
struct FormFonts {
    UniqueFont normal;
    UniqueFont bold;
};
FormFonts CreateFormFonts(const FormDesign& design, UINT dpi);

// Sizes a top-level window so that its client area is the design's, at its DPI.
void SizeForClient(HWND window, const FormDesign& design, UINT dpi);
// The same size, placed where `at` says (a new DPI's suggested rectangle).
void SizeForClientAt(HWND window, const FormDesign& design, UINT dpi, const RECT& at);

// Places a control from its twips, with its font.
void PlaceControl(HWND control, const Twips& bounds, UINT dpi, HFONT font);

}  // namespace keystead::toolkit::win32
