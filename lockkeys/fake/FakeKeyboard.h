#pragma once

#include <map>
#include <string>
#include <vector>

#include "lockkeys/Keyboard.h"

namespace keystead::lockkeys {

// Lock-key states set by the test, and every read and stroke recorded in order.
class FakeKeyboard : public Keyboard {
public:
    struct Stroke {
        std::uint8_t virtualKey, scanCode;
        std::uint32_t flags, extraInfo;
        bool operator==(const Stroke&) const = default;
    };

    std::int16_t GetKeyState(std::int32_t virtualKey) override {
        reads.push_back(virtualKey);
        log.push_back("read " + std::to_string(virtualKey));
        return states[virtualKey];
    }
    void KeybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags,
                    std::uint32_t extraInfo) override {
        strokes.push_back({virtualKey, scanCode, flags, extraInfo});
        log.push_back((flags & kKeyEventKeyUp ? "up " : "down ") + std::to_string(virtualKey));
        if (toggles && (flags & kKeyEventKeyUp) != 0) {
            unseen.push_back(virtualKey);
            if (!lagging) {
                CatchUp();
            }
        }
    }

    // The key state takes in the releases typed so far, as Windows would: a lock key flips;
    // with Windows set to turn Caps Lock off with Shift, Caps Lock only turns on and Shift
    // turns it off.
    void CatchUp() {
        for (std::uint8_t key : unseen) {
            if (key == kVkShift && shiftTurnsOffCapsLock) {
                states[kVkCapital] = 0;
            } else if (key == kVkCapital && shiftTurnsOffCapsLock) {
                states[kVkCapital] = 1;
            } else if (key == kVkCapital || key == kVkNumLock || key == kVkScroll) {
                states[key] = static_cast<std::int16_t>(states[key] ^ 1);
            }
        }
        unseen.clear();
    }

    std::map<std::int32_t, std::int16_t> states;
    std::vector<std::int32_t> reads;
    std::vector<Stroke> strokes;
    std::vector<std::string> log;

    bool toggles = false;  // strokes change the states
    bool lagging = false;  // ... only when CatchUp runs
    bool shiftTurnsOffCapsLock = false;
    std::vector<std::uint8_t> unseen;
};

}  // namespace keystead::lockkeys
