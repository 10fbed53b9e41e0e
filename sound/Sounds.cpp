#include "sound/Sounds.h"

#include <utility>

#include "pause/StepAside.h"

namespace keystead::sound {

std::optional<SoundEvent> SoundFor(SoundChoice choice, bool putBack, bool on) {
    if (putBack) {
        return choice == kWhenHeld || choice == kEveryChange ? std::optional(SoundEvent::PutBack)
                                                             : std::nullopt;
    }
    if (choice != kEveryChange) {
        return std::nullopt;
    }
    return on ? SoundEvent::On : SoundEvent::Off;
}

Sounds::Sounds(SoundPlayer& player, pause::Foreground& foreground, registry::RegistryApi& registry,
               std::string appKey)
    : player_(player), foreground_(foreground), registry_(registry), appKey_(std::move(appKey)) {}

void Sounds::SetChoices(const Choices& choices, language::Language language) {
    choices_ = choices;
    if (registered_) {
        return;
    }
    for (const SoundChoice choice : choices_) {
        if (SoundFor(choice, true, false)) {
            RegisterSoundEvents(registry_, appKey_, language);
            registered_ = true;
            return;
        }
    }
}

void Sounds::PutBack(std::size_t key) {
    if (key < choices_.size()) {
        Play(SoundFor(choices_[key], true, false));
    }
}

void Sounds::PutBack(const lockkeys::Flips& flips) {
    for (std::size_t key = 0; key < flips.size(); ++key) {
        if (flips[key] != 0 && SoundFor(choices_[key], true, false)) {
            Play(SoundEvent::PutBack);
            return;
        }
    }
}

void Sounds::Changed(std::size_t key, bool on) {
    if (key < choices_.size()) {
        Play(SoundFor(choices_[key], false, on));
    }
}

void Sounds::Play(std::optional<SoundEvent> event) {
    // The cheap questions first; the platform is asked only when a sound is due.
    if (!event || quiet_ || pause::FullScreenProgram(foreground_) || player_.ToggleKeysOn()) {
        return;
    }
    player_.Play(EntryOf(*event).name);
}

}  // namespace keystead::sound
