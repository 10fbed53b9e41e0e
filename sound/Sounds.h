#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "language/Language.h"
#include "lockkeys/LockKeyCheck.h"
#include "lockkeys/LockKeys.h"
#include "pause/Foreground.h"
#include "registry/RegistryApi.h"
#include "sound/SoundEvents.h"
#include "sound/SoundPlayer.h"

namespace keystead::sound {

// A key's sound, as the settings keep it. Other values count as none.
using SoundChoice = std::int16_t;
inline constexpr SoundChoice kNoSound = 0;
inline constexpr SoundChoice kWhenHeld = 1;     // when the program puts the key back
inline constexpr SoundChoice kEveryChange = 2;  // also when it changes on "Allow toggling"

// The choice per key, by its place in kLockKeys.
using Choices = std::array<SoundChoice, lockkeys::kLockKeyCount>;

// The sound a key's choice asks for: for a put-back (`putBack`), or for a change of a key on
// "Allow toggling" to `on`. None when the choice has no sound for it.
std::optional<SoundEvent> SoundFor(SoundChoice choice, bool putBack, bool on);

// Plays the sounds the choices ask for, unless the moment is wrong: while suspended or
// stepping aside, while a full-screen program has the screen, and while Windows' Toggle Keys
// sounds for the lock keys itself (then its tone alone is heard). The events are registered
// with Windows the first time any sound is chosen, and not before: a user who never chooses
// one finds nothing of the program's in the Sound settings.
class Sounds {
public:
    // `appKey`: the application's key under AppEvents (see RegisterSoundEvents).
    Sounds(SoundPlayer& player, pause::Foreground& foreground, registry::RegistryApi& registry,
           std::string appKey);

    // The labels of a registration that comes of it are in `language`.
    void SetChoices(const Choices& choices, language::Language language);
    const Choices& CurrentChoices() const { return choices_; }
    // Suspended or stepping aside.
    void SetQuiet(bool quiet) { quiet_ = quiet; }

    // The program put the key back.
    void PutBack(std::size_t key);
    // The program put these keys back in one check: one sound for them all.
    void PutBack(const lockkeys::Flips& flips);
    // The user changed a key that is on "Allow toggling"; `on`: its state now.
    void Changed(std::size_t key, bool on);

private:
    void Play(std::optional<SoundEvent> event);

    SoundPlayer& player_;
    pause::Foreground& foreground_;
    registry::RegistryApi& registry_;
    std::string appKey_;
    Choices choices_{};
    bool quiet_ = false;
    bool registered_ = false;
};

}  // namespace keystead::sound
