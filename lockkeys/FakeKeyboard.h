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
    }

    std::map<std::int32_t, std::int16_t> states;
    std::vector<std::int32_t> reads;
    std::vector<Stroke> strokes;
    std::vector<std::string> log;
};

}  // namespace keystead::lockkeys
