#include "display/KeyDisplay.h"

#include <utility>

#include "registry/Registry.h"
#include "registry/RegistryCodes.h"

namespace keystead::display {

namespace {

using settings::NoteMode;

using language::Say;
using language::Text;

constexpr Text kShortNames[lockkeys::kLockKeyCount] = {Text::CapsShort, Text::NumShort,
                                                       Text::ScrollShort};
constexpr char kPersonalizeKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

bool Forced(lockkeys::LockMode mode) {
    return mode == lockkeys::kForceOff || mode == lockkeys::kForceOn;
}

std::array<bool, lockkeys::kLockKeyCount> HeldKeys(const lockkeys::Settings& settings) {
    std::array<bool, lockkeys::kLockKeyCount> held{};
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        held[key] = Forced(lockkeys::ModeOf(settings, key));
    }
    return held;
}

}  // namespace

std::string HeldNote(std::size_t key, bool on, language::Language language) {
    return language::Fill(Say(on ? Text::HeldOnNote : Text::HeldOffNote, language),
                          Say(kKeyNames[key], language));
}

std::string ChangeNote(std::size_t key, bool on, language::Language language) {
    return language::Fill(Say(on ? Text::OnNote : Text::OffNote, language),
                          Say(kKeyNames[key], language));
}

std::string KeysTooltip(const std::string& head,
                        const std::array<bool, lockkeys::kLockKeyCount>& on,
                        const std::array<bool, lockkeys::kLockKeyCount>& held,
                        std::size_t maxLength, language::Language language) {
    for (int detail = 0; detail < 3; ++detail) {
        std::string text = head;
        for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
            text += "\r\n";
            text += language::Fill(Say(on[key] ? Text::KeyLineOn : Text::KeyLineOff, language),
                                   Say(detail == 0 ? kKeyNames[key] : kShortNames[key], language));
            if (held[key] && detail < 2) {
                text += Say(Text::HeldMark, language);
            }
        }
        if (text.size() <= maxLength) {
            return text;
        }
    }
    return head;
}

bool TaskbarIsLight(registry::RegistryApi& registry) {
    const registry::Value value = registry::ReadValue(registry, registry::kHkeyCurrentUser,
                                                      kPersonalizeKey, "SystemUsesLightTheme");
    const auto* number = std::get_if<std::int32_t>(&value);
    return number != nullptr && *number != 0;
}

KeyDisplay::KeyDisplay(lockkeys::Keyboard& keyboard, NoteScreen& notes, IconPainter& painter,
                       pause::Foreground& foreground, registry::RegistryApi& registry)
    : keyboard_(keyboard),
      notes_(notes),
      painter_(painter),
      foreground_(foreground),
      registry_(registry) {}

void KeyDisplay::SetQuiet(bool quiet) {
    quiet_ = quiet;
    UpdateLasting();
}

// A lasting note the new section no longer asks for goes at once, and one that stays moves
// to a new place at once: with nothing on, no later look at the keys would do either.
void KeyDisplay::SetSection(const settings::DisplaySection& section) {
    const bool moved = section.position != section_.position;
    section_ = section;
    notes_.SetMonitor(section_.monitor);
    if (!section_.showKeys) {
        drawn_.reset();
        picture_.reset();
    }
    if (!section_.AnyOn()) {
        // Nothing reads the keys now: what they were is no longer known, and a change made
        // meanwhile is no change to show when something is switched on again.
        known_.fill(std::nullopt);
        expected_.fill(std::nullopt);
    }
    UpdateLasting(moved);
}

// Never over a full-screen program, nor while the keys are left alone.
bool KeyDisplay::MayShowNote() {
    return !quiet_ && !pause::FullScreenProgram(foreground_);
}

void KeyDisplay::ShowNote(const std::string& text, bool announce) {
    if (MayShowNote()) {
        notes_.ShowNote(text, section_.position, section_.noteTime, announce);
    }
}

void KeyDisplay::PutBack(const lockkeys::Flips& flips, const lockkeys::Settings& settings) {
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        if (flips[key] == 0 || !Forced(lockkeys::ModeOf(settings, key))) {
            continue;
        }
        const bool on = lockkeys::ModeOf(settings, key) == lockkeys::kForceOn;
        expected_[key] = on;
        if (section_.notes[key] != NoteMode::None) {
            ShowNote(HeldNote(key, on, language_), true);
        }
    }
}

bool KeyDisplay::KeysMayHaveChanged(const lockkeys::Settings& settings, bool tick) {
    if (!section_.AnyOn()) {
        return false;
    }
    bool changed = false;
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        const bool on = (keyboard_.GetKeyState(lockkeys::kLockKeys[key].virtualKey) & 1) != 0;
        if (expected_[key] && !tick && *expected_[key] != on) {
            continue;  // the program's stroke is on its way: the key shows as it will be
        }
        expected_[key].reset();
        if (known_[key] == on) {
            continue;
        }
        const bool seenBefore = known_[key].has_value();
        known_[key] = on;
        changed = true;
        if (seenBefore && !Forced(lockkeys::ModeOf(settings, key))) {
            if (section_.notes[key] >= NoteMode::OnEveryChange) {
                ShowNote(ChangeNote(key, on, language_), false);
            }
            if (keyChanged_) {
                keyChanged_(key, on);
            }
        }
    }
    UpdateLasting();
    return changed && section_.showKeys;
}

// While on: one note per key that is on, for as long as it is; under the rule of every note,
// never while quiet nor over a full-screen program. Only while one is asked for are the
// foreground and quiet asked about, and the foreground watched.
void KeyDisplay::UpdateLasting(bool placeAgain) {
    std::vector<std::string> lasting;
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        if (section_.notes[key] == NoteMode::WhileOn && On(key)) {
            lasting.push_back(ChangeNote(key, true, language_));
        }
    }
    const bool watch = !lasting.empty();
    if (watch && !MayShowNote()) {
        lasting.clear();
    }
    if (lasting != lasting_ || (placeAgain && !lasting.empty())) {
        lasting_ = std::move(lasting);
        notes_.ShowLasting(lasting_, section_.position);
    }
    if (watch != watchesForeground_) {
        watchesForeground_ = watch;
        if (watchChanged_) {
            watchChanged_();
        }
    }
}

bool KeyDisplay::ThemeChanged() {
    if (!section_.showKeys) {
        return false;
    }
    lightTaskbar_.reset();  // read again at the next TrayPicture, which redraws when it differs
    return true;
}

const toolkit::Picture* KeyDisplay::TrayPicture(bool suspended,
                                                const lockkeys::Settings& settings) {
    if (!section_.showKeys) {
        return nullptr;
    }
    if (!lightTaskbar_) {
        lightTaskbar_ = TaskbarIsLight(registry_);
    }
    IconLook look;
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        look.on[key] = On(key);
    }
    look.held = HeldKeys(settings);
    look.suspended = suspended;
    look.lightTaskbar = *lightTaskbar_;
    look.highContrast = painter_.HighContrast();
    if (!picture_ || drawn_ != look) {
        picture_ = painter_.MakePicture(DrawKeyIcon(look, painter_.IconSize()));
        drawn_ = look;
    }
    return picture_.get();
}

std::string KeyDisplay::Tooltip(const std::string& head, const lockkeys::Settings& settings,
                                std::size_t maxLength) const {
    if (!section_.showKeys) {
        return head;
    }
    std::array<bool, lockkeys::kLockKeyCount> on{};
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        on[key] = On(key);
    }
    return KeysTooltip(head, on, HeldKeys(settings), maxLength, language_);
}

}  // namespace keystead::display
