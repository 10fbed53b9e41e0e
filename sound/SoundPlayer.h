#pragma once

namespace keystead::sound {

// What the platform does with sounds.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the program's sound event of that name as the user's sound scheme has it, and
    // returns at once; nothing plays when the scheme has no sound for it or there is no
    // device to play on.
    virtual void Play(const char* eventName) = 0;
    // Whether Windows' Toggle Keys sounds its own tones for the lock keys.
    virtual bool ToggleKeysOn() = 0;
};

}  // namespace keystead::sound
