#include "toolkit/win32/Layout.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "toolkit/win32/Library.h"
#include "toolkit/win32/Text.h"

namespace keystead::toolkit::win32 {

namespace {

constexpr int kTwipsPerInch = 1440;

// Windows 8.1 and later know these; looked up at run time so that older systems and Wine
// still start.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

RECT WindowRectForClient(HWND window, const FormDesign& design, UINT dpi, int extraWidth) {
    RECT rect{0, 0, Scale(design.clientWidth, dpi) + extraWidth, Scale(design.clientHeight, dpi)};
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
    // Rounded by hand: std::lround would bring the C runtime's version of it.
    LONG height = -static_cast<LONG>(design.fontPoints * static_cast<float>(dpi) / 72.0f + 0.5f);
    LOGFONTW font{};
    if (design.fontFace[0] == '\0') {
        font = MessageFont(dpi);
    } else {
        font.lfHeight = height;
        font.lfCharSet = ANSI_CHARSET;
        font.lfQuality = DEFAULT_QUALITY;
        lstrcpynW(font.lfFaceName, Widen(design.fontFace).c_str(), LF_FACESIZE);
    }
    font.lfWeight = FW_NORMAL;
    FormFonts fonts;
    fonts.normal.reset(CreateFontIndirectW(&font));
    font.lfWeight = FW_BOLD;
    fonts.bold.reset(CreateFontIndirectW(&font));
    return fonts;
}

void SizeForClient(HWND window, const FormDesign& design, UINT dpi, int extraWidth) {
    RECT frame = WindowRectForClient(window, design, dpi, extraWidth);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SizeForClientAt(HWND window, const FormDesign& design, UINT dpi, const RECT& at,
                     int extraWidth) {
    RECT frame = WindowRectForClient(window, design, dpi, extraWidth);
    SetWindowPos(window, nullptr, at.left, at.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

LOGFONTW MessageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    using ForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto forDpi = User32Function<ForDpiFn>("SystemParametersInfoForDpi");
    if (forDpi != nullptr && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
        return metrics.lfMessageFont;
    }
    // Older systems give it at the system's DPI.
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(SystemDpi()));
    if (font.lfFaceName[0] == L'\0') {
        lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
        font.lfHeight = -MulDiv(8, static_cast<int>(dpi), 72);
    }
    return font;
}

void PlaceControl(HWND control, const Twips& bounds, UINT dpi, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // Sizes from the scaled edges, so that neighbours meet exactly at every DPI.
    int left = Scale(bounds.left, dpi);
    int top = Scale(bounds.top, dpi);
    SetWindowPos(control, nullptr, left, top, Scale(bounds.left + bounds.width, dpi) - left,
                 Scale(bounds.top + bounds.height, dpi) - top, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT DesignedRect(const Twips& bounds, UINT dpi) {
    // From the scaled edges, so that neighbours meet exactly at every DPI.
    return RECT{Scale(bounds.left, dpi), Scale(bounds.top, dpi),
                Scale(bounds.left + bounds.width, dpi), Scale(bounds.top + bounds.height, dpi)};
}

int TextChrome(ControlKind kind, UINT dpi) {
    int pixels96 = 0;
    switch (kind) {
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
            // The box, the gap to the text and the focus rectangle, and air before the next
            // button's box, which the row puts right after.
            pixels96 = 13 + 6 + 6;
            break;
        case ControlKind::CommandButton:
            pixels96 = 12;  // the edges and a little air on each side
            break;
        default:
            pixels96 = 1;
            break;
    }
    return MulDiv(pixels96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

namespace {

bool ShowsText(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::OptionButton ||
           kind == ControlKind::CheckBox || kind == ControlKind::CommandButton;
}

int TextWidth(HWND window, HFONT font, const std::wstring& text) {
    if (text.empty()) {
        return 0;
    }
    ScopedDc dc(window);
    HGDIOBJ old = SelectObject(dc.Get(), font);
    RECT rect{};
    DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc.Get(), old);
    return rect.right - rect.left;
}

// The widest of the control's current text and those it may show in its place.
int WidestText(const ControlPlace& place, HFONT font) {
    const int length = GetWindowTextLengthW(place.window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(place.window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    int widest = TextWidth(place.window, font, text);
    for (const char* alternate : place.design->alternateCaptions) {
        widest = std::max(widest, TextWidth(place.window, font, Widen(alternate)));
    }
    return widest;
}

bool SameRow(const RECT& a, const RECT& b) {
    return a.top < b.bottom && b.top < a.bottom;
}

// Moves the controls of the container that stand right of `from` in its row so that each keeps
// at least the design's distance from it. A control beside two that both widened (a button
// beside two lines of text) moves as far as the wider needs, not by the sum.
void MoveRowAfter(std::vector<ControlPlace>& places, const std::vector<RECT>& designed,
                  const ControlPlace& from) {
    const RECT& fromDesigned = designed[static_cast<std::size_t>(&from - places.data())];
    for (std::size_t at = 0; at < places.size(); ++at) {
        ControlPlace& other = places[at];
        if (&other == &from || other.design->container != from.design->container ||
            designed[at].left <= fromDesigned.left || !SameRow(designed[at], fromDesigned)) {
            continue;
        }
        const LONG gap = designed[at].left - fromDesigned.right;  // the design's, may overlap
        const LONG by = from.rect.right + gap - other.rect.left;
        if (by > 0) {
            other.rect.left += by;
            other.rect.right += by;
        }
    }
}

}  // namespace

int FitTexts(std::vector<ControlPlace>& places, const FormFonts& fonts, UINT dpi, int clientWidth) {
    std::vector<RECT> designed;
    for (const ControlPlace& place : places) {
        designed.push_back(place.rect);
    }
    for (ControlPlace& place : places) {
        if (!ShowsText(place.design->kind) || place.window == nullptr) {
            continue;
        }
        const HFONT font = place.design->bold ? fonts.bold.get() : fonts.normal.get();
        const int text = WidestText(place, font);
        if (text == 0) {
            continue;  // a button without a caption (the keypad's) keeps its size
        }
        const int needed = text + TextChrome(place.design->kind, dpi);
        // What stands left of its container's edge (a label the design starts at -8) is
        // never seen.
        const int lacking = needed - (place.rect.right - std::max<LONG>(place.rect.left, 0));
        if (lacking > 0) {
            place.rect.right += lacking;
        }
    }
    // The controls of a column (of one kind, with the same edges in the design) widen as
    // far as the widest, so that the rows they start stay aligned.
    for (std::size_t at = 0; at < places.size(); ++at) {
        for (std::size_t peer = 0; peer < places.size(); ++peer) {
            if (places[peer].design->kind == places[at].design->kind &&
                designed[peer].left == designed[at].left &&
                designed[peer].right == designed[at].right) {
                places[at].rect.right = std::max(places[at].rect.right, places[peer].rect.right);
            }
        }
    }
    // Left to right, so that a control pushed by one before it pushes those after it in turn;
    // an insertion sort, as a window has a few dozen controls and std::sort adds 4 KB.
    std::vector<std::size_t> byLeft;
    for (std::size_t at = 0; at < places.size(); ++at) {
        auto before = byLeft.end();
        while (before != byLeft.begin() && designed[*(before - 1)].left > designed[at].left) {
            --before;
        }
        byLeft.insert(before, at);
    }
    for (const std::size_t at : byLeft) {
        MoveRowAfter(places, designed, places[at]);
    }
    // A frame holds its buttons. What the window must show is what the frames hold: a
    // design's frame may reach past the window's edge where it holds nothing.
    LONG right = 0;
    for (ControlPlace& frame : places) {
        if (frame.design->kind != ControlKind::Frame) {
            continue;
        }
        LONG inside = 0;
        for (const ControlPlace& place : places) {
            if (place.design->container == frame.design->id) {
                inside = std::max(inside, place.rect.right);
            }
        }
        const int lacking = inside - (frame.rect.right - frame.rect.left);
        if (lacking > 0) {
            frame.rect.right += lacking;
            MoveRowAfter(places, designed, frame);
        }
    }
    for (const ControlPlace& place : places) {
        if (place.design->container != kOnForm) {
            continue;
        }
        LONG shown = place.rect.right;
        if (place.design->kind == ControlKind::Frame) {
            shown = place.rect.left;
            for (const ControlPlace& inner : places) {
                if (inner.design->container == place.design->id) {
                    shown = std::max(shown, place.rect.left + inner.rect.right);
                }
            }
        }
        right = std::max(right, shown);
    }
    return std::max<LONG>(0, right - clientWidth);
}

}  // namespace keystead::toolkit::win32
