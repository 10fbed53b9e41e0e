#include "toolkit/win32/Colours.h"

#include <uxtheme.h>

#include "toolkit/win32/Library.h"

namespace keystead::toolkit::win32 {

namespace {

HighContrastQuery gHighContrastQuery = nullptr;

}  // namespace

COLORREF ToColorRef(Rgb color) {
    return RGB(color.red, color.green, color.blue);
}

bool HighContrast() {
    if (gHighContrastQuery != nullptr) {
        return gHighContrastQuery();
    }
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void SetHighContrastQuery(HighContrastQuery query) {
    gHighContrastQuery = query;
}

FormPalette CurrentPalette(const FormDesign& design) {
    if (HighContrast()) {
        return {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT),
                GetSysColor(COLOR_GRAYTEXT)};
    }
    const COLORREF text = ToColorRef(design.foreground);
    return {ToColorRef(design.background), text, text};
}

void FillBackground(HWND window, HDC dc, const FormDesign& design) {
    RECT client;
    GetClientRect(window, &client);
    // The stock DC brush takes any colour without a brush object to own.
    SetDCBrushColor(dc, CurrentPalette(design).background);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

LRESULT FormColours(HDC dc, const FormDesign& design, bool enabled) {
    const FormPalette palette = CurrentPalette(design);
    SetTextColor(dc, enabled ? palette.text : palette.disabledText);
    SetBkColor(dc, palette.background);
    SetDCBrushColor(dc, palette.background);
    return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

void DrawInFormColours(HWND button) {
    // Looked up, not imported: uxtheme is not among the DLLs Windows always takes from the
    // system folder. Version 6 of the common controls has it loaded already.
    static const auto setWindowTheme =
        SystemLibraryFunction<decltype(&SetWindowTheme)>(L"uxtheme.dll", "SetWindowTheme");
    if (setWindowTheme == nullptr) {
        return;
    }
    if (HighContrast()) {
        setWindowTheme(button, nullptr, nullptr);  // the theme's own look again
    } else {
        setWindowTheme(button, L"", L"");
    }
}

}  // namespace keystead::toolkit::win32
