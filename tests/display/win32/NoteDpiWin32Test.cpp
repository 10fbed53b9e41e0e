// Each note at the DPI of the monitor it stands on: a note told of another DPI is measured and
// placed again at it while the others keep theirs, and notes that a change of the monitors
// left off screen come back where the keypad's number puts them. Wine has one monitor, so
// the test sends what Windows would.
#include <windows.h>

#include <gtest/gtest.h>

#include "display/win32/Win32NoteScreen.h"

namespace keystead::display::win32 {
namespace {

const NoteLook kLook{{0, 0, 0}, {0, 153, 255}, "MS Sans Serif"};

RECT Place(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    return place;
}

HWND Find(const wchar_t* text) {
    return FindWindowW(Win32NoteScreen::ClassName(), text);
}

TEST(NoteDpi, ANoteToldOfAnotherDpiTakesItAloneAndKeepsItsPlace) {
    struct Case {
        const char* told;
        bool shortNote;
    };
    for (const Case c : {Case{"the short note", true}, Case{"a lasting note", false}}) {
        Win32NoteScreen screen(kLook);
        screen.ShowLasting({"Caps Lock on", "Num Lock on"}, 2);
        screen.ShowNote("Scroll Lock on", 2, 10000, false);
        const HWND notes[] = {screen.NoteWindow(), Find(L"Caps Lock on"), Find(L"Num Lock on")};
        for (HWND note : notes) {
            ASSERT_NE(note, nullptr) << c.told;
        }
        const UINT dpi = Win32NoteScreen::Dpi(notes[0]);
        const UINT higher = dpi * 3 / 2;
        RECT before[3];
        for (int i = 0; i < 3; ++i) {
            before[i] = Place(notes[i]);
        }
        // As Windows tells a window moved onto a monitor of another DPI.
        RECT suggested = before[c.shortNote ? 0 : 1];
        SendMessageW(notes[c.shortNote ? 0 : 1], WM_DPICHANGED, MAKEWPARAM(higher, higher),
                     reinterpret_cast<LPARAM>(&suggested));

        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        for (int i = 0; i < 3; ++i) {
            const bool told = (i == 0) == c.shortNote;  // a lasting note speaks for its row
            const RECT after = Place(notes[i]);
            EXPECT_EQ(Win32NoteScreen::Dpi(notes[i]), told ? higher : dpi) << c.told << i;
            if (told) {
                EXPECT_GE((after.bottom - after.top) * 4, (before[i].bottom - before[i].top) * 5)
                    << c.told << i << ": measured at the new DPI";
                EXPECT_LE(after.bottom, work.bottom) << c.told << i;
            } else {
                EXPECT_TRUE(EqualRect(&after, &before[i])) << c.told << i;
            }
        }
        const RECT note = Place(notes[0]);
        EXPECT_NEAR((note.left + note.right) / 2, (work.left + work.right) / 2, 2) << c.told;
        EXPECT_LE(Place(notes[1]).right, Place(notes[2]).left) << c.told << ": side by side";
    }
}

// Windows tells every top-level window; a note a monitor took with it when it went stands off
// every screen until then.
TEST(NoteDpi, NotesAreBroughtBackOnScreenWhenTheMonitorsChange) {
    Win32NoteScreen screen(kLook);
    screen.ShowLasting({"Caps Lock on", "Num Lock on"}, 9);
    screen.ShowNote("Scroll Lock on", 9, 10000, false);
    const HWND notes[] = {screen.NoteWindow(), Find(L"Caps Lock on"), Find(L"Num Lock on")};
    RECT before[3];
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(notes[i], nullptr);
        before[i] = Place(notes[i]);
        SetWindowPos(notes[i], nullptr, -20000, -20000, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (HWND note : notes) {
        SendMessageW(note, WM_DISPLAYCHANGE, 32,
                     MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    }
    for (int i = 0; i < 3; ++i) {
        const RECT after = Place(notes[i]);
        EXPECT_TRUE(EqualRect(&after, &before[i])) << i << " at " << after.left << "," << after.top;
    }
}

}  // namespace
}  // namespace keystead::display::win32
