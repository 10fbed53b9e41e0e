#include "lockkeys/win32/Win32Keyboard.h"

#include <windows.h>

namespace keystead::lockkeys::win32 {

namespace {

static_assert(kVkCapital == VK_CAPITAL && kVkNumLock == VK_NUMLOCK && kVkScroll == VK_SCROLL);
static_assert(kKeyEventKeyUp == KEYEVENTF_KEYUP);

// Whether a real stroke of the key comes flagged extended: the keys whose scan code the
// layout gives an E0 or E1 prefix, and Num Lock, which the keyboard sends unprefixed but
// every layout marks extended.
bool IsExtendedKey(UINT virtualKey) {
    if (virtualKey == VK_NUMLOCK) {
        return true;
    }
    const UINT prefix = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC_EX) & 0xFF00;
    return prefix == 0xE000 || prefix == 0xE100;
}

}  // namespace

std::int16_t Win32Keyboard::GetKeyState(std::int32_t virtualKey) {
    // Wine gives each thread a copy of the key state that starts all off and takes a key's
    // system-wide state only when that has changed since the copy was made or last took it.
    // A lock key left on before the program started would read off, and read off again
    // whenever it came back on between two looks (the first press after /resume).
    // Asking for the system-wide state clears the mark that a press leaves there ("pressed
    // since the last query", which Windows keeps for 16-bit programs only), and that change
    // brings the copy up to date.
    ::GetAsyncKeyState(virtualKey);
    return ::GetKeyState(virtualKey);
}

void Win32Keyboard::KeybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags,
                               std::uint32_t extraInfo) {
    // A stroke as the key itself sends it: remote desktop and virtual machine consoles, and
    // games, pass scan codes on and would miss a stroke with scan code 0.
    if (scanCode == 0) {
        scanCode = static_cast<std::uint8_t>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
        if (IsExtendedKey(virtualKey)) {
            flags |= KEYEVENTF_EXTENDEDKEY;
        }
    }
    ::keybd_event(virtualKey, scanCode, flags, extraInfo);
}

}  // namespace keystead::lockkeys::win32
