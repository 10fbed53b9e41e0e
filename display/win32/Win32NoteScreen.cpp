#include "display/win32/Win32NoteScreen.h"

#include <algorithm>

#include "toolkit/win32/Colours.h"
#include "toolkit/win32/Layout.h"
#include "toolkit/win32/Library.h"
#include "toolkit/win32/Text.h"

namespace keystead::display::win32 {

namespace {

using toolkit::win32::ScopedDc;
using toolkit::win32::ToColorRef;
using toolkit::win32::UniqueFont;

constexpr wchar_t kNoteClass[] = L"KeysteadNote";
// Never active, never in the way: clicks go through, no taskbar button, not in Alt+Tab.
constexpr DWORD kExStyle =
    WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
// The window's extra bytes hold the DPI it is shown at: each note its own monitor's.
constexpr int kDpiSlot = 0;
constexpr UINT_PTR kHideTimer = 1;
constexpr UINT_PTR kFadeTimer = 2;
constexpr UINT kFadeStepMs = 20;
constexpr BYTE kFadeStep = 32;
constexpr BYTE kOpaque = 235;  // a touch of the desktop shows through
// Measured at 96 DPI.
constexpr int kFontPoints = 16;
constexpr int kPaddingX = 16;
constexpr int kPaddingY = 10;
constexpr int kMargin = 24;
constexpr int kGap = 8;
// Older MinGW headers lack it (Windows 8).
constexpr DWORD kEventLiveRegionChanged = 0x8019;

using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

NoteMonitor MonitorOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    NoteMonitor result{{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                       toolkit::win32::SystemDpi()};
    if (GetMonitorInfoW(monitor, &info)) {
        result.work = info.rcWork;
    }
    // Windows 8.1 and later; shcore is looked up, not imported.
    static const auto getDpiForMonitor = toolkit::win32::SystemLibraryFunction<GetDpiForMonitorFn>(
        L"shcore.dll", "GetDpiForMonitor");
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (getDpiForMonitor != nullptr && getDpiForMonitor(monitor, 0, &dpiX, &dpiY) == S_OK &&
        dpiX != 0) {
        result.dpi = dpiX;
    }
    return result;
}

NoteMonitor MonitorInFront() {
    return MonitorOf(MonitorFromWindow(GetForegroundWindow(), MONITOR_DEFAULTTOPRIMARY));
}

int Scaled(int pixels96, UINT dpi) {
    return MulDiv(pixels96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

UniqueFont NoteFont(const char* face, UINT dpi) {
    LOGFONTW font{};
    if (face[0] == '\0') {
        font = toolkit::win32::MessageFont(dpi);  // the letters "MS Sans Serif" lacks
    } else {
        lstrcpynW(font.lfFaceName, toolkit::win32::Widen(face).c_str(), LF_FACESIZE);
    }
    font.lfHeight = -MulDiv(kFontPoints, static_cast<int>(dpi), 72);
    font.lfQuality = CLEARTYPE_QUALITY;
    return UniqueFont(CreateFontIndirectW(&font));
}

bool HighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

bool SystemFlag(UINT action) {
    BOOL on = FALSE;
    return SystemParametersInfoW(action, 0, &on, 0) && on;
}

// The window's size for its text at a DPI.
SIZE NoteSize(HWND window, const char* face, UINT dpi) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    UniqueFont font = NoteFont(face, dpi);
    ScopedDc dc(nullptr);
    HGDIOBJ old = SelectObject(dc.Get(), font.get());
    RECT bounds{0, 0, 0, 0};
    DrawTextW(dc.Get(), text, -1, &bounds, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc.Get(), old);
    return {bounds.right + 2 * Scaled(kPaddingX, dpi), bounds.bottom + 2 * Scaled(kPaddingY, dpi)};
}

// Where a row of notes of this total width and height stands, by the keypad's numbers;
// `row` moves a second row inwards from the edge.
POINT RowOrigin(const NoteMonitor& monitor, int position, int width, int height, int row) {
    const RECT& work = monitor.work;
    const int margin = Scaled(kMargin, monitor.dpi);
    const int column = (position - 1) % 3;  // 0 left, 1 centre, 2 right
    const int line = (position - 1) / 3;    // 0 bottom, 1 middle, 2 top
    POINT at{};
    at.x = column == 0   ? work.left + margin
           : column == 1 ? (work.left + work.right - width) / 2
                         : work.right - margin - width;
    at.y = line == 0   ? work.bottom - margin - height
           : line == 1 ? (work.top + work.bottom - height) / 2
                       : work.top + margin;
    const int step = (height + Scaled(kGap, monitor.dpi)) * row;
    at.y += line == 2 ? step : -step;
    return at;
}

void ShowAt(HWND window, POINT at, SIZE size, BYTE alpha) {
    SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
    // Top-most asserted again at every show: another top-most window may have come since.
    SetWindowPos(window, HWND_TOPMOST, at.x, at.y, size.cx, size.cy, SWP_NOACTIVATE);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
}

// Notes side by side on a monitor, measured and painted at its DPI. Each window keeps that
// DPI before it moves: one moved onto a monitor of another DPI on the way is told so by
// WM_DPICHANGED, which then finds it placed already.
void ShowRow(const std::vector<HWND>& windows, const char* face, const NoteMonitor& monitor,
             int position, int row, BYTE alpha) {
    std::vector<SIZE> sizes;
    int width = 0;
    int height = 0;
    for (HWND window : windows) {
        SetWindowLongPtrW(window, kDpiSlot, static_cast<LONG_PTR>(monitor.dpi));
        sizes.push_back(NoteSize(window, face, monitor.dpi));
        width += sizes.back().cx + (width > 0 ? Scaled(kGap, monitor.dpi) : 0);
        height = std::max<int>(height, sizes.back().cy);
    }
    POINT at = RowOrigin(monitor, position, width, height, row);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        ShowAt(windows[i], at, {sizes[i].cx, height}, alpha);
        at.x += sizes[i].cx + Scaled(kGap, monitor.dpi);
    }
}

}  // namespace

const wchar_t* Win32NoteScreen::ClassName() {
    return kNoteClass;
}

Win32NoteScreen::~Win32NoteScreen() = default;

HWND Win32NoteScreen::Create(const std::string& text) {
    static const bool registered = [] {
        WNDCLASSEXW noteClass{};
        noteClass.cbSize = sizeof noteClass;
        noteClass.lpfnWndProc = WindowProc;
        noteClass.cbWndExtra = sizeof(LONG_PTR);  // the DPI the note is shown at
        noteClass.hInstance = GetModuleHandleW(nullptr);
        noteClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        noteClass.lpszClassName = kNoteClass;
        return RegisterClassExW(&noteClass) != 0;
    }();
    if (!registered) {
        return nullptr;
    }
    // The note's own text is its window text, which screen readers and tests read.
    return CreateWindowExW(kExStyle, kNoteClass, toolkit::win32::Widen(text).c_str(), WS_POPUP, 0,
                           0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), this);
}

void Win32NoteScreen::ShowNote(const std::string& text, int position, int timeMs, bool announce) {
    if (!note_) {
        note_.reset(Create(text));
        if (!note_) {
            return;
        }
    } else {
        SetWindowTextW(note_.get(), toolkit::win32::Widen(text).c_str());
        KillTimer(note_.get(), kFadeTimer);
    }
    notePosition_ = position;
    alpha_ = kOpaque;
    ShowRow({note_.get()}, look_.fontFace, MonitorInFront(), position, 0, alpha_);
    SetTimer(note_.get(), kHideTimer, static_cast<UINT>(timeMs), nullptr);
    if (announce && SystemFlag(SPI_GETSCREENREADER)) {
        if (!live_) {
            live_ = std::make_unique<AssertiveLiveSetting>(note_.get());
        }
        NotifyWinEvent(kEventLiveRegionChanged, note_.get(), OBJID_CLIENT, CHILDID_SELF);
    }
}

void Win32NoteScreen::ShowLasting(const std::vector<std::string>& texts, int position) {
    lasting_.clear();
    lastingPosition_ = position;
    for (const std::string& text : texts) {
        if (HWND window = Create(text)) {
            lasting_.emplace_back(window);
        }
    }
    if (!lasting_.empty()) {
        // One row in from the short note's place.
        ShowRow(LastingWindows(), look_.fontFace, MonitorInFront(), position, 1, kOpaque);
    }
}

std::vector<HWND> Win32NoteScreen::LastingWindows() const {
    std::vector<HWND> windows;
    for (const UniqueWindow& window : lasting_) {
        windows.push_back(window.get());
    }
    return windows;
}

UINT Win32NoteScreen::Dpi(HWND window) {
    const LONG_PTR dpi = GetWindowLongPtrW(window, kDpiSlot);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

// The note's row laid out again on a monitor: the short note alone, the lasting ones together
// (they stand on one monitor, so the first of them answers for all).
void Win32NoteScreen::PlaceAgain(HWND window, const NoteMonitor& monitor) {
    if (window == note_.get()) {
        ShowRow({window}, look_.fontFace, monitor, notePosition_, 0, alpha_);
    } else if (!lasting_.empty() && window == lasting_.front().get()) {
        ShowRow(LastingWindows(), look_.fontFace, monitor, lastingPosition_, 1, kOpaque);
    }
}

// Its monitor's DPI changed, or it was moved onto a monitor of another: there, at the new DPI.
void Win32NoteScreen::OnDpiChanged(HWND window, UINT dpi, const RECT& suggested) {
    if (dpi == Dpi(window)) {
        return;  // placed at this DPI already, by ShowRow
    }
    NoteMonitor monitor = MonitorOf(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST));
    monitor.dpi = dpi;
    PlaceAgain(window, monitor);
}

// Monitors came, went, were rearranged or their work area changed: a note stays where the
// keypad's number puts it, on the monitor nearest to where it stood, never off every screen.
void Win32NoteScreen::OnDisplayChange(HWND window) {
    PlaceAgain(window, MonitorOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)));
}

void Win32NoteScreen::OnTimer(HWND window, UINT_PTR timer) {
    if (window != note_.get()) {
        return;
    }
    if (timer == kHideTimer) {
        KillTimer(window, kHideTimer);
        // Faded only while Windows animates; otherwise gone at once.
        if (SystemFlag(SPI_GETCLIENTAREAANIMATION)) {
            SetTimer(window, kFadeTimer, kFadeStepMs, nullptr);
        } else {
            CloseNote();
        }
    } else if (timer == kFadeTimer) {
        if (alpha_ <= kFadeStep) {
            CloseNote();
            return;
        }
        alpha_ = static_cast<BYTE>(alpha_ - kFadeStep);
        SetLayeredWindowAttributes(window, 0, alpha_, LWA_ALPHA);
    }
}

void Win32NoteScreen::CloseNote() {
    live_.reset();  // its property cleared while the window still exists
    note_.reset();
}

// The settings window's black and blue with a blue edge, or the user's high-contrast colours.
void Win32NoteScreen::Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    COLORREF background = ToColorRef(look_.background);
    COLORREF foreground = ToColorRef(look_.foreground);
    if (HighContrastOn()) {
        background = GetSysColor(COLOR_WINDOW);
        foreground = GetSysColor(COLOR_WINDOWTEXT);
    }
    RECT client;
    GetClientRect(window, &client);
    SetDCBrushColor(dc, foreground);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    const UINT dpi = Dpi(window);
    const int edge = std::max(1, Scaled(1, dpi));
    RECT inside{client.left + edge, client.top + edge, client.right - edge, client.bottom - edge};
    SetDCBrushColor(dc, background);
    FillRect(dc, &inside, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));

    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    // The size was measured at its monitor's DPI: the font is made at the same.
    UniqueFont font = NoteFont(look_.fontFace, dpi);
    HGDIOBJ old = SelectObject(dc, font.get());
    SetTextColor(dc, foreground);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    EndPaint(window, &paint);
}

LRESULT CALLBACK Win32NoteScreen::WindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* screen = reinterpret_cast<Win32NoteScreen*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_ERASEBKGND:
            return 1;  // painted whole in WM_PAINT
        case WM_PAINT:
            if (screen != nullptr) {
                screen->Paint(window);
                return 0;
            }
            break;
        case WM_TIMER:
            if (screen != nullptr) {
                screen->OnTimer(window, wParam);
            }
            return 0;
        case WM_DPICHANGED:
            if (screen != nullptr) {
                screen->OnDpiChanged(window, HIWORD(wParam),
                                     *reinterpret_cast<const RECT*>(lParam));
            }
            return 0;
        case WM_DISPLAYCHANGE:
            if (screen != nullptr) {
                screen->OnDisplayChange(window);
            }
            break;
        case WM_SETTINGCHANGE:
            if (screen != nullptr && wParam == SPI_SETWORKAREA) {
                screen->OnDisplayChange(window);
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace keystead::display::win32
