#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "display/NotePlacement.h"
#include "display/NoteScreen.h"
#include "display/win32/AssertiveLiveSetting.h"
#include "toolkit/Form.h"
#include "toolkit/win32/Handles.h"

namespace keystead::display::win32 {

// The program's look, as the settings window has it.
struct NoteLook {
    toolkit::Rgb background;
    toolkit::Rgb foreground;
    const char* fontFace;
};

// Notes as top-most windows that let every click through and never take the focus, so that
// typing goes on into the window in front. Each is created when needed and destroyed when it
// hides: with no note up, nothing of this stays in memory. On every monitor, a note is a
// window on each.
class Win32NoteScreen : public NoteScreen {
public:
    // On the real monitors.
    explicit Win32NoteScreen(NoteLook look);
    // On the monitors a test makes up.
    Win32NoteScreen(NoteLook look, Monitors& monitors) : look_(look), monitors_(monitors) {}
    Win32NoteScreen(const Win32NoteScreen&) = delete;
    Win32NoteScreen& operator=(const Win32NoteScreen&) = delete;
    ~Win32NoteScreen() override;

    void ShowNote(const std::string& text, int position, int timeMs, bool announce) override;
    void ShowLasting(const std::vector<std::string>& texts, int position) override;
    void SetMonitor(settings::NoteMonitor choice) override;

    // The short note's first window, null while none is up (for tests).
    HWND NoteWindow() const { return note_.empty() ? nullptr : note_.front().get(); }
    // Its windows, one on each monitor it stands on (for tests).
    std::vector<HWND> NoteWindows() const;
    // Its live setting, made only while a screen reader runs (for tests).
    const AssertiveLiveSetting* LiveSetting() const { return live_.get(); }

    // The window class of every note.
    static const wchar_t* ClassName();
    // The DPI a note is measured and painted at: that of the monitor it stands on.
    static UINT Dpi(HWND note);

private:
    using UniqueWindow = toolkit::win32::UniqueHandle<HWND, ::DestroyWindow>;
    // The lasting notes on one monitor, and its work area when they were placed.
    struct Row {
        std::vector<UniqueWindow> windows;
        Rect work;
    };
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND Create(const std::string& text);
    void OnTimer(HWND window, UINT_PTR timer);
    void Paint(HWND window);
    void CloseNote();
    void PlaceNote(const Desk& desk);
    void PlaceLasting(const Desk& desk);
    void PlaceAll();
    void OnDpiChanged(HWND window, UINT dpi, const RECT& suggested);

    NoteLook look_;
    Monitors& monitors_;
    settings::NoteMonitor choice_ = settings::NoteMonitor::FrontWindow;
    std::vector<UniqueWindow> note_;              // the first holds the timers
    std::unique_ptr<AssertiveLiveSetting> live_;  // after note_: it goes before the window
    std::string noteText_;
    std::vector<Row> lasting_;
    std::vector<std::string> lastingTexts_;
    BYTE alpha_ = 0;
    // Where each row stands by the keypad's numbers, to place it again when the screen changes.
    int notePosition_ = 0;
    int lastingPosition_ = 0;
};

}  // namespace keystead::display::win32
