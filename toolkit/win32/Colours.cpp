#include "toolkit/win32/Colours.h"

#include <uxtheme.h>

#include "toolkit/win32/Library.h"

namespace keystead::toolkit::win32 {

COLORREF ToColorRef(Rgb color) {
    return RGB(color.red, color.green, color.blue);
}

void FillBackground(HWND window, HDC dc, Rgb background) {
    RECT client;
    GetClientRect(window, &client);
    // The stock DC brush takes any colour without a brush object to own.
    SetDCBrushColor(dc, ToColorRef(background));
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

LRESULT FormColours(HDC dc, const FormDesign& design) {
    SetTextColor(dc, ToColorRef(design.foreground));
    SetBkColor(dc, ToColorRef(design.background));
    SetDCBrushColor(dc, ToColorRef(design.background));
    return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

void DrawInFormColours(HWND button) {
    // Looked up, not imported: uxtheme is not among the DLLs Windows always takes from the
    // system folder. Version 6 of the common controls has it loaded already.
    static const auto setWindowTheme =
        SystemLibraryFunction<decltype(&SetWindowTheme)>(L"uxtheme.dll", "SetWindowTheme");
    if (setWindowTheme != nullptr) {
        setWindowTheme(button, L"", L"");
    }
}

}  // namespace keystead::toolkit::win32
