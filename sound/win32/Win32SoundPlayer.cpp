#include "sound/win32/Win32SoundPlayer.h"

#include <windows.h>

#include <mmsystem.h>

#include "toolkit/win32/Library.h"
#include "toolkit/win32/Text.h"

namespace keystead::sound::win32 {

void Win32SoundPlayer::Play(const char* eventName) {
    using PlaySoundWFn = BOOL(WINAPI*)(LPCWSTR, HMODULE, DWORD);
    static const auto playSound =
        toolkit::win32::SystemLibraryFunction<PlaySoundWFn>(L"winmm.dll", "PlaySoundW");
    if (playSound == nullptr) {
        return;
    }
    // No default sound in place of a silenced event: the user's choice of none holds.
    playSound(toolkit::win32::Widen(eventName).c_str(), nullptr,
              SND_APPLICATION | SND_ALIAS | SND_ASYNC | SND_NODEFAULT);
}

bool Win32SoundPlayer::ToggleKeysOn() {
    TOGGLEKEYS toggleKeys{};
    toggleKeys.cbSize = sizeof toggleKeys;
    return SystemParametersInfoW(SPI_GETTOGGLEKEYS, sizeof toggleKeys, &toggleKeys, 0) &&
           (toggleKeys.dwFlags & TKF_TOGGLEKEYSON) != 0;
}

}  // namespace keystead::sound::win32
