#pragma once

#include <windows.h>

#include <string>

#include "pause/Foreground.h"

namespace keystead::pause::win32 {

// The file name, without its folder, of the program that owns a window, in UTF-8; empty when
// its program may not be asked.
std::string ProgramNameOf(HWND window);

// The foreground window's program through its process's image name
// (QueryFullProcessImageNameW with the least right that reads it), the shell's
// SHQueryUserNotificationState, and a WinEvent hook for EVENT_SYSTEM_FOREGROUND.
class Win32Foreground final : public Foreground {
public:
    std::string ProgramName() override;
    UserNotificationState NotificationState() override;
    bool FrontCoversMonitor() override;
    // Out of context: the hook's calls come through this thread's message loop, as do those
    // of a thread timer that looks for a new foreground window where the hook stays silent.
    std::unique_ptr<ForegroundWatch> Watch(ForegroundEvents& listener) override;
};

}  // namespace keystead::pause::win32
