#pragma once

#include <cstdint>

namespace keystead::lockkeys {

// Reading the lock keys and typing them, as Windows' user32 offers it.
class Keyboard {
public:
    virtual ~Keyboard() = default;
    // Bit 0: toggled on; bit 15 (negative value): held down at this moment.
    virtual std::int16_t GetKeyState(std::int32_t virtualKey) = 0;
    // Scan code 0 stands for the key's own: the platform sends the scan code (and the
    // extended-key flag) that the key itself would.
    virtual void KeybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags,
                            std::uint32_t extraInfo) = 0;
};

inline constexpr std::uint8_t kVkShift = 0x10;
inline constexpr std::uint8_t kVkCapital = 0x14;
inline constexpr std::uint8_t kVkNumLock = 0x90;
inline constexpr std::uint8_t kVkScroll = 0x91;
inline constexpr std::uint32_t kKeyEventKeyUp = 0x2;

// The extra information of every keystroke the program types ("KEYS"), so that it can tell
// its own strokes from the user's when it hears them back. No other program sees a use in it.
inline constexpr std::uint32_t kOwnKeystrokeTag = 0x4B455953;

}  // namespace keystead::lockkeys
