// Starts the Keystead.exe a package installed, turns Caps Lock on as a user would, and exits
// 0 only when the program (on its first run, so with "Force off") turns it back off and then
// ends as a user ends it, saving its settings beside itself.
// Usage: HoldsCapsLockOff.exe "C:\Program Files\Tarvine Keystead\Keystead.exe"
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "tests/e2e/KeysteadProcess.h"

namespace {

using namespace std::chrono_literals;
using keystead::e2e::KeysteadProcess;
using keystead::e2e::KeyToggled;
using keystead::e2e::PressKey;

// A few intervals of the default 1000 ms, with room for a busy machine.
bool TurnsOff(BYTE key) {
    return keystead::e2e::KeyBecomes(key, false);
}

int Fail(const char* what) {
    std::fprintf(stderr, "HoldsCapsLockOff: %s\n", what);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        return Fail("usage: HoldsCapsLockOff.exe PATH-OF-KEYSTEAD.EXE");
    }
    if (KeyToggled(VK_CAPITAL)) {
        PressKey(VK_CAPITAL);
    }
    KeysteadProcess process(argv[1]);
    if (!process.WaitUntilReady()) {
        return Fail("no window appeared");
    }
    PressKey(VK_CAPITAL);
    if (!TurnsOff(VK_CAPITAL)) {
        return Fail("Caps Lock stayed on");
    }
    // A right double-click on the tray icon, as the shell reports it.
    if (!keystead::e2e::EndFromTheTray(process)) {
        return Fail("the program did not end");
    }
    return 0;
}
