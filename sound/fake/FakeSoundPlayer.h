#pragma once

#include <string>
#include <vector>

#include "sound/SoundPlayer.h"

namespace keystead::sound {

// Keeps the names of the events played; Toggle Keys as the test sets it.
class FakeSoundPlayer final : public SoundPlayer {
public:
    void Play(const char* eventName) override { played.emplace_back(eventName); }
    bool ToggleKeysOn() override { return toggleKeys; }

    std::vector<std::string> played;
    bool toggleKeys = false;
};

}  // namespace keystead::sound
