#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "display/IconPainter.h"
#include "display/KeyIcon.h"
#include "display/NoteScreen.h"
#include "language/Texts.h"
#include "lockkeys/Keyboard.h"
#include "lockkeys/LockKeyCheck.h"
#include "lockkeys/Settings.h"
#include "pause/Foreground.h"
#include "pause/StepAside.h"
#include "registry/RegistryApi.h"
#include "settings/DisplaySection.h"
#include "toolkit/Picture.h"

namespace keystead::display {

// The names of the keys in notes and the tooltip, by their place in kLockKeys.
using language::kKeyNames;
static_assert(std::size(kKeyNames) == lockkeys::kLockKeyCount);

// "Caps Lock is held off": the program put the key back.
std::string HeldNote(std::size_t key, bool on,
                     language::Language language = language::Language::English);
// "Caps Lock on": a key on "Allow toggling" changed.
std::string ChangeNote(std::size_t key, bool on,
                       language::Language language = language::Language::English);

// The tooltip's head followed by a line per key ("Caps Lock: off (held)"), as much of that
// as fits into maxLength bytes: shorter names, then no "(held)", then the head alone.
std::string KeysTooltip(const std::string& head,
                        const std::array<bool, lockkeys::kLockKeyCount>& on,
                        const std::array<bool, lockkeys::kLockKeyCount>& held,
                        std::size_t maxLength,
                        language::Language language = language::Language::English);

// Whether Windows' taskbar is light (SystemUsesLightTheme); dark when it cannot be told.
bool TaskbarIsLight(registry::RegistryApi& registry);

// Shows the lock keys as the display settings ask: notes when the program puts a key back or
// a key on "Allow toggling" changes, and a tray icon and tooltip that show the keys. It reads
// the keys only at the moments it is told of (the checks, the ticks, suspend and resume) and
// only while something is switched on, so that with nothing on it costs nothing.
class KeyDisplay {
public:
    KeyDisplay(lockkeys::Keyboard& keyboard, NoteScreen& notes, IconPainter& painter,
               pause::Foreground& foreground, registry::RegistryApi& registry);

    void SetSection(const settings::DisplaySection& section);
    // The language of the notes and the tooltip.
    void SetLanguage(language::Language language) { language_ = language; }
    const settings::DisplaySection& Section() const { return section_; }
    // Suspended or stepping aside: no note may show, and a lasting one goes until it ends.
    void SetQuiet(bool quiet);

    // The program typed these flips to put keys back as the settings hold them.
    void PutBack(const lockkeys::Flips& flips, const lockkeys::Settings& settings);
    // A key may have changed: reads the keys when anything is on. `tick`: the timer's check,
    // after which no stroke of the program's is taken to be still on its way. True when the
    // tray icon or tooltip must be shown again.
    bool KeysMayHaveChanged(const lockkeys::Settings& settings, bool tick = false);
    // The taskbar's theme or high contrast may have changed. True when the icon changed.
    bool ThemeChanged();
    // Another window came to the front, or stepping aside began or ended: a lasting note goes
    // while a full-screen program or one stepped aside for is in front, and comes back after.
    void ForegroundChanged() { UpdateLasting(); }
    // Whether ForegroundChanged is wanted: only while a lasting note is asked for, so that
    // otherwise nothing need watch the foreground for the display. `changed` is called each
    // time the answer changes.
    bool WatchesForeground() const { return watchesForeground_; }
    void OnWatchChange(std::function<void()> changed) { watchChanged_ = std::move(changed); }
    // `changed` hears of each key on "Allow toggling" that the user turned on or off.
    void OnKeyChange(std::function<void(std::size_t key, bool on)> changed) {
        keyChanged_ = std::move(changed);
    }

    // The icon that shows the keys, or null for the classic icons (ShowKeys off).
    const toolkit::Picture* TrayPicture(bool suspended, const lockkeys::Settings& settings);
    // The tooltip with the keys listed, or the head alone (ShowKeys off).
    std::string Tooltip(const std::string& head, const lockkeys::Settings& settings,
                        std::size_t maxLength) const;

private:
    bool On(std::size_t key) const { return known_[key].value_or(false); }
    bool MayShowNote();
    void ShowNote(const std::string& text, bool announce);
    void UpdateLasting(bool placeAgain = false);

    lockkeys::Keyboard& keyboard_;
    NoteScreen& notes_;
    IconPainter& painter_;
    pause::Foreground& foreground_;
    registry::RegistryApi& registry_;
    bool quiet_ = false;
    settings::DisplaySection section_;
    language::Language language_ = language::Language::English;
    // What the keys last read, and what a flip of the program's will make them.
    std::array<std::optional<bool>, lockkeys::kLockKeyCount> known_;
    std::array<std::optional<bool>, lockkeys::kLockKeyCount> expected_;
    std::vector<std::string> lasting_;
    bool watchesForeground_ = false;
    std::function<void()> watchChanged_;
    std::function<void(std::size_t key, bool on)> keyChanged_;
    std::optional<bool> lightTaskbar_;
    std::optional<IconLook> drawn_;
    std::unique_ptr<toolkit::Picture> picture_;
};

}  // namespace keystead::display
