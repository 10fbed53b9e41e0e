#pragma once

// Every text the user sees of the lock-key display window and of the commands that open it,
// in one place.

#include "app/Product.h"

namespace keystead::display {

// Never the product's name alone: that is the settings window's title.
inline constexpr char kDisplayWindowTitle[] = "Lock key display - " KEYSTEAD_PRODUCT_NAME;
// The command that opens the window: in the settings window's system menu and the tray
// icon's menu.
inline constexpr char kDisplayCommandCaption[] = "Lock key &display...";

inline constexpr char kShowKeysCaption[] = "&Show the lock keys in the tray icon";
// The label before each key's note buttons, by the key's place in kLockKeys.
inline constexpr const char* kNoteLabelCaptions[] = {
    "&Caps Lock notes:", "&Num Lock notes:", "Sc&roll Lock notes:"};
// The note buttons, by NoteMode.
inline constexpr const char* kNoteModeCaptions[] = {"No note", "When held", "On every change",
                                                    "While on"};
// What a screen reader says for each key's note buttons, by the key and NoteMode.
inline constexpr const char* kNoteModeNames[][4] = {
    {"Caps Lock: No note", "Caps Lock: When held", "Caps Lock: On every change",
     "Caps Lock: While on"},
    {"Num Lock: No note", "Num Lock: When held", "Num Lock: On every change", "Num Lock: While on"},
    {"Scroll Lock: No note", "Scroll Lock: When held", "Scroll Lock: On every change",
     "Scroll Lock: While on"},
};
inline constexpr char kPositionCaption[] = "Note &position:";
// The position buttons carry no caption: they stand as the keypad's keys do. What a screen
// reader says for each, by the position 1 to 9 less one.
inline constexpr const char* kPositionNames[] = {
    "Position: bottom left", "Position: bottom centre", "Position: bottom right",
    "Position: middle left", "Position: centre",        "Position: middle right",
    "Position: top left",    "Position: top centre",    "Position: top right"};
inline constexpr char kNoteTimeCaption[] = "Note &time:";
inline constexpr char kNoteTimeUnitCaption[] = "milliseconds (500 to 10000)";
inline constexpr char kDisplayOKCaption[] = "&OK";
inline constexpr char kDisplayCancelCaption[] = "Cancel";
inline constexpr char kDisplayApplyCaption[] = "&Apply";
// Shown while an administrator fixes any of the window's settings; empty otherwise.
inline constexpr char kDisplayPolicyCaption[] = "Greyed settings are set by your administrator.";

}  // namespace keystead::display
