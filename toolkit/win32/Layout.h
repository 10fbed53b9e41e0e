#pragma once

#include <windows.h>

#include <vector>

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

// The system's message font at a DPI: the face for letters "MS Sans Serif" lacks.
LOGFONTW MessageFont(UINT dpi);

// Sizes a top-level window so that its client area is the design's, at its DPI, and
// `extraWidth` pixels wider.
void SizeForClient(HWND window, const FormDesign& design, UINT dpi, int extraWidth = 0);
// The same size, placed where `at` says (a new DPI's suggested rectangle).
void SizeForClientAt(HWND window, const FormDesign& design, UINT dpi, const RECT& at,
                     int extraWidth = 0);

// Places a control from its twips, with its font.
void PlaceControl(HWND control, const Twips& bounds, UINT dpi, HFONT font);

// One control while the form is laid out: its rectangle in pixels in its container.
struct ControlPlace {
    const ControlDesign* design;
    HWND window;
    RECT rect;
};
// The controls where the design puts them at a DPI.
RECT DesignedRect(const Twips& bounds, UINT dpi);
// The width a control needs beside its text: the box of an option button or a check box and
// the gap after it, a button's edges; in pixels at a DPI.
int TextChrome(ControlKind kind, UINT dpi);
// Widens each control whose current text does not fit, and the others of its column with it,
// moving the controls after it in its row and growing frames around their buttons. Returns
// how many pixels a client area `clientWidth` wide must grow to show them all.
int FitTexts(std::vector<ControlPlace>& places, const FormFonts& fonts, UINT dpi, int clientWidth);

}  // namespace keystead::toolkit::win32
