#pragma once

#include "sound/SoundPlayer.h"

namespace keystead::sound::win32 {

// PlaySoundW of winmm, loaded from the system folder the first time a sound plays (a program
// that plays none never maps it), with the application's own events of the sound scheme; and
// Toggle Keys as SystemParametersInfoW tells it. Without winmm, or without a sound device,
// nothing plays and nothing fails.
class Win32SoundPlayer final : public SoundPlayer {
public:
    void Play(const char* eventName) override;
    bool ToggleKeysOn() override;
};

}  // namespace keystead::sound::win32
