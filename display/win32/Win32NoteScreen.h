#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

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

// A monitor's work area and DPI, where notes stand.
struct NoteMonitor {
    RECT work;
    UINT dpi;
};

// Notes as top-most windows that let every click through and never take the focus, so that
// typing goes on into the window in front. Each is created when needed and destroyed when it
// hides: with no note up, nothing of this stays in memory.
class Win32NoteScreen : public NoteScreen {
public:
    explicit Win32NoteScreen(NoteLook look) : look_(look) {}
    Win32NoteScreen(const Win32NoteScreen&) = delete;
    Win32NoteScreen& operator=(const Win32NoteScreen&) = delete;
    ~Win32NoteScreen() override;

    void ShowNote(const std::string& text, int position, int timeMs, bool announce) override;
    void ShowLasting(const std::vector<std::string>& texts, int position) override;

    // The short note's window, null while none is up (for tests).
    HWND NoteWindow() const { return note_.get(); }
    // Its live setting, made only while a screen reader runs (for tests).
    const AssertiveLiveSetting* LiveSetting() const { return live_.get(); }

    // The window class of every note.
    static const wchar_t* ClassName();
    // The DPI a note is measured and painted at: that of the monitor it stands on.
    static UINT Dpi(HWND note);

private:
    using UniqueWindow = toolkit::win32::UniqueHandle<HWND, ::DestroyWindow>;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND Create(const std::string& text);
    void OnTimer(HWND window, UINT_PTR timer);
    void Paint(HWND window);
    void CloseNote();
    std::vector<HWND> LastingWindows() const;
    void PlaceAgain(HWND window, const NoteMonitor& monitor);
    void OnDpiChanged(HWND window, UINT dpi, const RECT& suggested);
    void OnDisplayChange(HWND window);

    NoteLook look_;
    UniqueWindow note_;
    std::unique_ptr<AssertiveLiveSetting> live_;  // after note_: it goes before the window
    std::vector<UniqueWindow> lasting_;
    BYTE alpha_ = 0;
    // Where each row stands by the keypad's numbers, to place it again when the screen changes.
    int notePosition_ = 0;
    int lastingPosition_ = 0;
};

}  // namespace keystead::display::win32
