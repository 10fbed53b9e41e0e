#pragma once

#include "lockkeys/Keyboard.h"

namespace keystead::lockkeys::win32 {

// The keyboard as user32 sees it from the calling thread, brought up to date with the
// system-wide state at every reading. Strokes typed with scan code 0 carry the key's own scan
// code (MapVirtualKeyW) and, where the key has one, the extended flag.
class Win32Keyboard : public Keyboard {
public:
    std::int16_t GetKeyState(std::int32_t virtualKey) override;
    void KeybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags,
                    std::uint32_t extraInfo) override;
};

}  // namespace keystead::lockkeys::win32
