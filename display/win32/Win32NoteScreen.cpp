#include "display/win32/Win32NoteScreen.h"

#include <algorithm>

#include "display/win32/Win32Monitors.h"

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
// Lasting notes on the pointer's monitor look this often whether it moved to another.
constexpr UINT_PTR kFollowTimer = 3;
constexpr UINT kFollowMs = 250;
constexpr UINT kFadeStepMs = 20;
constexpr BYTE kFadeStep = 32;
constexpr BYTE kOpaque = 235;  // a touch of the desktop shows through
// Measured at 96 DPI.
constexpr int kFontPoints = 16;
constexpr int kPaddingX = 16;
constexpr int kPaddingY = 10;
// Older MinGW headers lack it (Windows 8).
constexpr DWORD kEventLiveRegionChanged = 0x8019;

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
void ShowRow(const std::vector<HWND>& windows, const char* face, const Monitor& monitor,
             int position, int row, BYTE alpha) {
    std::vector<Size> sizes;
    for (HWND window : windows) {
        SetWindowLongPtrW(window, kDpiSlot, static_cast<LONG_PTR>(monitor.dpi));
        const SIZE size = NoteSize(window, face, monitor.dpi);
        sizes.push_back({size.cx, size.cy});
    }
    const std::vector<Rect> places = PlaceRow(monitor, sizes, position, row);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const Rect& place = places[i];
        ShowAt(windows[i], {place.left, place.top},
               {place.right - place.left, place.bottom - place.top}, alpha);
    }
}

template <typename Windows>
std::vector<HWND> Handles(const Windows& windows) {
    std::vector<HWND> handles;
    for (const auto& window : windows) {
        handles.push_back(window.get());
    }
    return handles;
}

Win32Monitors& RealMonitors() {
    static Win32Monitors monitors;
    return monitors;
}

}  // namespace

const wchar_t* Win32NoteScreen::ClassName() {
    return kNoteClass;
}

Win32NoteScreen::Win32NoteScreen(NoteLook look) : Win32NoteScreen(look, RealMonitors()) {}

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
    noteText_ = text;
    notePosition_ = position;
    alpha_ = kOpaque;
    for (const UniqueWindow& window : note_) {
        SetWindowTextW(window.get(), toolkit::win32::Widen(text).c_str());
    }
    if (!note_.empty()) {
        KillTimer(note_.front().get(), kFadeTimer);
    }
    PlaceNote(monitors_.Now());
    if (note_.empty()) {
        return;
    }
    SetTimer(note_.front().get(), kHideTimer, static_cast<UINT>(timeMs), nullptr);
    if (announce && SystemFlag(SPI_GETSCREENREADER)) {
        if (!live_) {
            live_ = std::make_unique<AssertiveLiveSetting>(note_.front().get());
        }
        NotifyWinEvent(kEventLiveRegionChanged, note_.front().get(), OBJID_CLIENT, CHILDID_SELF);
    }
}

// A window of the short note on each monitor chosen. Surplus windows go from the end, so that
// the first, which holds the timers and the live setting, stays while any does.
void Win32NoteScreen::PlaceNote(const Desk& desk) {
    const std::vector<std::size_t> chosen = NoteMonitors(choice_, desk);
    if (chosen.empty()) {
        CloseNote();
        return;
    }
    note_.erase(note_.begin() + static_cast<std::ptrdiff_t>(std::min(note_.size(), chosen.size())),
                note_.end());
    while (note_.size() < chosen.size()) {
        const HWND window = Create(noteText_);
        if (window == nullptr) {
            break;
        }
        note_.emplace_back(window);
    }
    for (std::size_t i = 0; i < note_.size(); ++i) {
        ShowRow({note_[i].get()}, look_.fontFace, desk.monitors[chosen[i]], notePosition_, 0,
                alpha_);
    }
}

void Win32NoteScreen::ShowLasting(const std::vector<std::string>& texts, int position) {
    lasting_.clear();
    lastingTexts_ = texts;
    lastingPosition_ = position;
    if (!texts.empty()) {
        PlaceLasting(monitors_.Now());
    }
}

// The lasting notes side by side on each monitor chosen, one row in from the short note's
// place. Rows for monitors no longer chosen go from the end, as the short note's windows do.
void Win32NoteScreen::PlaceLasting(const Desk& desk) {
    const std::vector<std::size_t> chosen = NoteMonitors(choice_, desk);
    while (lasting_.size() > chosen.size()) {
        lasting_.pop_back();
    }
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        if (i == lasting_.size()) {
            Row row;
            for (const std::string& text : lastingTexts_) {
                if (HWND window = Create(text)) {
                    row.windows.emplace_back(window);
                }
            }
            if (row.windows.empty()) {
                break;
            }
            lasting_.push_back(std::move(row));
        }
        const Monitor& monitor = desk.monitors[chosen[i]];
        ShowRow(Handles(lasting_[i].windows), look_.fontFace, monitor, lastingPosition_, 1,
                kOpaque);
        lasting_[i].work = monitor.work;
    }
    if (choice_ == settings::NoteMonitor::Pointer && !lasting_.empty()) {
        SetTimer(lasting_.front().windows.front().get(), kFollowTimer, kFollowMs, nullptr);
    }
}

void Win32NoteScreen::PlaceAll() {
    const Desk desk = monitors_.Now();
    if (!note_.empty()) {
        PlaceNote(desk);
    }
    if (!lasting_.empty()) {
        PlaceLasting(desk);
    }
}

void Win32NoteScreen::SetMonitor(settings::NoteMonitor choice) {
    if (choice != choice_) {
        choice_ = choice;
        PlaceAll();
    }
}

std::vector<HWND> Win32NoteScreen::NoteWindows() const {
    return Handles(note_);
}

UINT Win32NoteScreen::Dpi(HWND window) {
    const LONG_PTR dpi = GetWindowLongPtrW(window, kDpiSlot);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

// Its monitor's DPI changed, or it was moved onto a monitor of another: its row there, at the
// new DPI (the lasting notes of a monitor stand together, so the first of them answers for
// all).
void Win32NoteScreen::OnDpiChanged(HWND window, UINT dpi, const RECT& suggested) {
    if (dpi == Dpi(window)) {
        return;  // placed at this DPI already, by ShowRow
    }
    Monitor monitor = MonitorOf(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST));
    monitor.dpi = dpi;
    for (const UniqueWindow& note : note_) {
        if (note.get() == window) {
            ShowRow({window}, look_.fontFace, monitor, notePosition_, 0, alpha_);
        }
    }
    for (const Row& row : lasting_) {
        if (row.windows.front().get() == window) {
            ShowRow(Handles(row.windows), look_.fontFace, monitor, lastingPosition_, 1, kOpaque);
        }
    }
}

void Win32NoteScreen::OnTimer(HWND window, UINT_PTR timer) {
    if (timer == kFollowTimer) {
        // The pointer went to another monitor: the lasting notes go with it.
        const Desk desk = monitors_.Now();
        const std::vector<std::size_t> chosen = NoteMonitors(choice_, desk);
        if (choice_ != settings::NoteMonitor::Pointer) {
            KillTimer(window, kFollowTimer);
        } else if (!lasting_.empty() && !chosen.empty() &&
                   desk.monitors[chosen.front()].work != lasting_.front().work) {
            PlaceLasting(desk);
        }
        return;
    }
    if (note_.empty() || window != note_.front().get()) {
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
        for (const UniqueWindow& note : note_) {
            SetLayeredWindowAttributes(note.get(), 0, alpha_, LWA_ALPHA);
        }
    }
}

void Win32NoteScreen::CloseNote() {
    live_.reset();  // its property cleared while the window still exists
    note_.clear();
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
        // Monitors came, went or were rearranged, or a work area changed: every note is placed
        // again by the choice of monitor, never off every screen. That may destroy this window.
        case WM_DISPLAYCHANGE:
            if (screen != nullptr) {
                screen->PlaceAll();
                return 0;
            }
            break;
        case WM_SETTINGCHANGE:
            if (screen != nullptr && wParam == SPI_SETWORKAREA) {
                screen->PlaceAll();
                return 0;
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace keystead::display::win32
