#include "programs/win32/Win32RunningPrograms.h"

#include <windows.h>

#include <algorithm>

#include "pause/ProgramList.h"
#include "pause/win32/Win32Foreground.h"

namespace keystead::programs::win32 {

namespace {

// Windows' own calling convention, which a lambda lacks on x86.
BOOL CALLBACK AddProgramOf(HWND window, LPARAM names) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    // A window the user sees on the taskbar: visible, owned by no other, with a title.
    if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER) != nullptr ||
        GetWindowTextLengthW(window) == 0 || processId == GetCurrentProcessId()) {
        return TRUE;
    }
    auto& list = *reinterpret_cast<std::vector<std::string>*>(names);
    std::string name = pause::win32::ProgramNameOf(window);
    if (!name.empty() && std::ranges::none_of(list, [&](const std::string& listed) {
            return pause::SameProgramName(listed, name);
        })) {
        list.push_back(std::move(name));
    }
    return TRUE;
}

}  // namespace

std::vector<std::string> Win32RunningPrograms::Names() {
    std::vector<std::string> names;
    EnumWindows(&AddProgramOf, reinterpret_cast<LPARAM>(&names));
    return names;
}

}  // namespace keystead::programs::win32
