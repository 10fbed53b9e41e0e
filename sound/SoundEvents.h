#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "language/Language.h"
#include "language/Texts.h"
#include "registry/RegistryApi.h"

namespace keystead::sound {

// The program's three sound events, by their place in kSoundEvents.
enum class SoundEvent : std::size_t { PutBack, On, Off };

struct SoundEventEntry {
    const char* name;  // the event's key under AppEvents, and PlaySound's alias
    language::Text label;
    const char* defaultSound;  // as the registry keeps it, environment strings unexpanded
};

// Windows' own sounds, present in its media folder since Windows 10: the two speech tones
// rise and fall, for a key going on and off.
inline constexpr std::array<SoundEventEntry, 3> kSoundEvents = {{
    {"KeysteadPutBack", language::Text::SoundPutBack,
     "%SystemRoot%\\media\\Windows Notify System Generic.wav"},
    {"KeysteadLockOn", language::Text::SoundOn, "%SystemRoot%\\media\\Speech On.wav"},
    {"KeysteadLockOff", language::Text::SoundOff, "%SystemRoot%\\media\\Speech Off.wav"},
}};

inline constexpr const SoundEventEntry& EntryOf(SoundEvent event) {
    return kSoundEvents[static_cast<std::size_t>(event)];
}

// Where Windows' Sound settings find the events' labels and the applications' own events.
inline constexpr char kEventLabelsKey[] = "AppEvents\\EventLabels";
inline constexpr char kAppsKey[] = "AppEvents\\Schemes\\Apps";

// Registers the three events for the user under HKEY_CURRENT_USER, so that Windows' Sound
// settings list them under the product's name and the user can change or silence each: a
// label each in `language`, and under the application's key (`appKey`: the program's file
// name without ".exe", as Application::ExeName gives it, which PlaySound looks up for
// SND_APPLICATION) each event's default sound, and its current one where the user has none
// yet. A current sound already there, even an empty one (the user silenced it), stays.
// Failures are not reported.
void RegisterSoundEvents(registry::RegistryApi& api, const std::string& appKey,
                         language::Language language);

}  // namespace keystead::sound
