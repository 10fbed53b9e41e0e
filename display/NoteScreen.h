#pragma once

#include <string>
#include <vector>

#include "settings/DisplaySection.h"

namespace keystead::display {

// Notes on screen about the lock keys: windows that never take the focus, on the monitor the
// user chose (the window in front's, the pointer's, the main one, or each), at a place
// numbered as on the numeric keypad (7 top left, 5 centre, 3 bottom right) inside its work
// area.
class NoteScreen {
public:
    virtual ~NoteScreen() = default;
    // Shows a note for timeMs in place of the short note shown, then hides it. An announced
    // note is also read out by a screen reader, when one runs.
    virtual void ShowNote(const std::string& text, int position, int timeMs, bool announce) = 0;
    // The notes that stay, side by side; an empty list hides them.
    virtual void ShowLasting(const std::vector<std::string>& texts, int position) = 0;
    // The monitors notes stand on from now; the notes up move there at once.
    virtual void SetMonitor(settings::NoteMonitor choice) = 0;
};

}  // namespace keystead::display
