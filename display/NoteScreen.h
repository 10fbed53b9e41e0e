#pragma once

#include <string>
#include <vector>

namespace keystead::display {

// Notes on screen about the lock keys: windows that never take the focus, on the monitor of
// the window in front, at a place numbered as on the numeric keypad (7 top left, 5 centre,
// 3 bottom right) inside its work area.
class NoteScreen {
public:
    virtual ~NoteScreen() = default;
    // Shows a note for timeMs in place of the short note shown, then hides it. An announced
    // note is also read out by a screen reader, when one runs.
    virtual void ShowNote(const std::string& text, int position, int timeMs, bool announce) = 0;
    // The notes that stay, side by side; an empty list hides them.
    virtual void ShowLasting(const std::vector<std::string>& texts, int position) = 0;
};

}  // namespace keystead::display
