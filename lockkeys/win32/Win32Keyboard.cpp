#include "lockkeys/win32/Win32Keyboard.h"

#include <windows.h>

namespace keystead::lockkeys::win32 {

static_assert(kVkCapital == VK_CAPITAL && kVkNumLock == VK_NUMLOCK && kVkScroll == VK_SCROLL);
static_assert(kKeyEventKeyUp == KEYEVENTF_KEYUP);

std::int16_t Win32Keyboard::GetKeyState(std::int32_t virtualKey) {
    return ::GetKeyState(virtualKey);
}

void Win32Keyboard::KeybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags,
                               std::uint32_t extraInfo) {
    ::keybd_event(virtualKey, scanCode, flags, extraInfo);
}

}  // namespace keystead::lockkeys::win32
