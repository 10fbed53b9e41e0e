#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "lockkeys/LockKeys.h"
#include "settings/Profile.h"

namespace keystead::settings {

// When a note about a lock key comes on screen ("CapsLockNote", "NumLockNote",
// "ScrollLockNote").
enum class NoteMode : std::uint8_t {
    None = 0,
    WhenHeld = 1,       // the program put the key back
    OnEveryChange = 2,  // also when a key on "Allow toggling" changes
    WhileOn = 3,        // as 2, and a note that stays while the key is on
};

// Which monitor a note stands on ("NoteMonitor").
enum class NoteMonitor : std::uint8_t {
    FrontWindow = 0,  // the monitor of the window in front
    Pointer = 1,      // the mouse pointer's monitor
    Main = 2,
    Every = 3,  // one note on each monitor
};

// When a lock key sounds ("CapsLockSound", "NumLockSound", "ScrollLockSound").
enum class SoundMode : std::uint8_t {
    None = 0,
    WhenHeld = 1,       // the program put the key back
    OnEveryChange = 2,  // also when a key on "Allow toggling" changes
};

// Section "display" of the settings file: how the lock keys are shown. Every value outside
// its range, or not a plain number, reads as its default.
struct DisplaySection {
    static constexpr std::int32_t kDefaultPosition = 2;  // bottom centre, as on the keypad
    static constexpr std::int32_t kDefaultNoteTime = 1500;
    static constexpr std::int32_t kMinNoteTime = 500;
    static constexpr std::int32_t kMaxNoteTime = 10000;

    bool showKeys = false;  // "ShowKeys": the tray icon shows the keys, the tooltip lists them
    std::array<NoteMode, lockkeys::kLockKeyCount> notes{};  // by the place in kLockKeys
    std::int32_t position = kDefaultPosition;               // "NotePosition": 1 to 9, keypad layout
    std::int32_t noteTime = kDefaultNoteTime;               // "NoteTime": milliseconds
    NoteMonitor monitor = NoteMonitor::FrontWindow;         // "NoteMonitor"
    std::array<SoundMode, lockkeys::kLockKeyCount> sounds{};  // by the place in kLockKeys

    // Whether anything is switched on: otherwise the program looks and sounds as it always
    // did. A sound counts, as it needs the keys read to hear a change; the monitor alone
    // does not, as it only places notes that something else switches on.
    bool AnyOn() const;

    friend bool operator==(const DisplaySection&, const DisplaySection&) = default;
};

// The key of the section for a lock key's notes, by its place in kLockKeys.
const char* NoteKey(std::size_t key);
// The key of the section for a lock key's sound, by its place in kLockKeys.
const char* SoundKey(std::size_t key);

DisplaySection LoadDisplaySection(Profile& profile, const std::string& path);
// From the file start-up read, or from the one beside the program (ReadFromFileOrBeside).
DisplaySection LoadDisplaySection(Profile& profile, const std::string& path,
                                  const std::string& beside);
// Writes every value of the section as plain decimal text; true when all writes succeeded.
bool SaveDisplaySection(Profile& profile, const std::string& path, const DisplaySection& section);

}  // namespace keystead::settings
