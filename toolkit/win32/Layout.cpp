#include "toolkit/win32/Layout.h"

#include <cmath>

#include "toolkit/win32/Library.h"
#include "toolkit/win32/Text.h"

namespace keystead::toolkit::win32 {

namespace {

constexpr int kTwipsPerInch = 1440;

// Windows 8.1 and later know these; looked up at run time so that older systems and Wine
// still start.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

RECT WindowRectForClient(HWND window, const FormDesign& design, UINT dpi) {
    RECT rect{0, 0, Scale(design.clientWidth, dpi), Scale(design.clientHeight, dpi)};
    auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    static const auto adjustForDpi =
        User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr) {
        adjustForDpi(&rect, style, FALSE, exStyle, dpi);
    } else {
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return rect;
}

}  // namespace

Win32Screen::Win32Screen()
    : twipsPerPixelX_(static_cast<float>(kTwipsPerInch) /
                      static_cast<float>(SystemDpi(LOGPIXELSX))),
      twipsPerPixelY_(static_cast<float>(kTwipsPerInch) /
                      static_cast<float>(SystemDpi(LOGPIXELSY))) {}

UINT SystemDpi(int axis) {
    ScopedDc screen(nullptr);
    int dpi = screen.Get() != nullptr ? GetDeviceCaps(screen.Get(), axis) : 0;
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

UINT WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (UINT dpi = getDpiForWindow(window); dpi != 0) {
            return dpi;
        }
    }
    return SystemDpi();
}

int Scale(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch);
}

FormFonts CreateFormFonts(const FormDesign& design, UINT dpi) {
    // Points to pixels at this DPI; negative asks for the character height.
    LONG height =
        -static_cast<LONG>(std::lround(design.fontPoints * static_cast<float>(dpi) / 72.0f));
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = ANSI_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, Widen(design.fontFace).c_str(), LF_FACESIZE);
    FormFonts fonts;
    fonts.normal.reset(CreateFontIndirectW(&font));
    font.lfWeight = FW_BOLD;
    fonts.bold.reset(CreateFontIndirectW(&font));
    return fonts;
}

void SizeForClient(HWND window, const FormDesign& design, UINT dpi) {
    RECT frame = WindowRectForClient(window, design, dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SizeForClientAt(HWND window, const FormDesign& design, UINT dpi, const RECT& at) {
    RECT frame = WindowRectForClient(window, design, dpi);
    SetWindowPos(window, nullptr, at.left, at.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceControl(HWND control, const Twips& bounds, UINT dpi, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // Sizes from the scaled edges, so that neighbours meet exactly at every DPI.
    int left = Scale(bounds.left, dpi);
    int top = Scale(bounds.top, dpi);
    SetWindowPos(control, nullptr, left, top, Scale(bounds.left + bounds.width, dpi) - left,
                 Scale(bounds.top + bounds.height, dpi) - top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace keystead::toolkit::win32
