#include "toolkit/win32/Win32SystemNotices.h"

#include <wtsapi32.h>

#include "toolkit/win32/Library.h"

namespace keystead::toolkit::win32 {

namespace {

// A key released, posted by the window to itself so that the owner hears it after the
// input has been processed: the virtual key in wParam, the extra information in lParam.
constexpr UINT kRawKeyUpMessage = WM_APP + 0x4B;

// The keyboards: usage page "generic desktop", usage "keyboard".
constexpr USHORT kGenericDesktopPage = 1;
constexpr USHORT kKeyboardUsage = 6;

using RegisterSessionNotificationFn = BOOL(WINAPI*)(HWND, DWORD);
using UnregisterSessionNotificationFn = BOOL(WINAPI*)(HWND);

// Whether the process's raw keyboard input goes to this window.
bool KeyboardInputGoesTo(HWND window) {
    RAWINPUTDEVICE devices[16];
    UINT count = 16;
    UINT found = GetRegisteredRawInputDevices(devices, &count, sizeof(RAWINPUTDEVICE));
    for (UINT i = 0; found != static_cast<UINT>(-1) && i < found; ++i) {
        if (devices[i].usUsagePage == kGenericDesktopPage && devices[i].usUsage == kKeyboardUsage &&
            devices[i].hwndTarget == window) {
            return true;
        }
    }
    return false;
}

}  // namespace

Win32SystemNotices::Win32SystemNotices(HWND window, SystemEvents& events)
    : window_(window), events_(events) {
    // Also while another program has the focus (INPUTSINK), and keyboards as they come.
    RAWINPUTDEVICE keyboard{kGenericDesktopPage, kKeyboardUsage, RIDEV_INPUTSINK | RIDEV_DEVNOTIFY,
                            window};
    RegisterRawInputDevices(&keyboard, 1, sizeof keyboard);

    // Loaded at run time from the system folder: imported, wtsapi32.dll (not one of the
    // DLLs Windows always takes from there) would be searched for beside the program first.
    wtsapi_ = LoadSystemLibrary(L"wtsapi32.dll");
    auto registerSession = LibraryFunction<RegisterSessionNotificationFn>(
        wtsapi_.get(), "WTSRegisterSessionNotification");
    sessionNotices_ =
        registerSession != nullptr && registerSession(window, NOTIFY_FOR_THIS_SESSION) != FALSE;
}

Win32SystemNotices::~Win32SystemNotices() {
    if (sessionNotices_) {
        auto unregisterSession = LibraryFunction<UnregisterSessionNotificationFn>(
            wtsapi_.get(), "WTSUnRegisterSessionNotification");
        if (unregisterSession != nullptr) {
            unregisterSession(window_);
        }
    }
    // The registration belongs to the process: remove it only while this window has it.
    if (KeyboardInputGoesTo(window_)) {
        RAWINPUTDEVICE keyboard{kGenericDesktopPage, kKeyboardUsage, RIDEV_REMOVE, nullptr};
        RegisterRawInputDevices(&keyboard, 1, sizeof keyboard);
    }
}

void Win32SystemNotices::OnRawInput(HRAWINPUT input) {
    RAWINPUT raw{};
    UINT size = sizeof raw;
    if (GetRawInputData(input, RID_INPUT, &raw, &size, sizeof(RAWINPUTHEADER)) ==
            static_cast<UINT>(-1) ||
        raw.header.dwType != RIM_TYPEKEYBOARD || (raw.data.keyboard.Flags & RI_KEY_BREAK) == 0) {
        return;
    }
    // The key state of this thread follows the input once this message has been handled.
    PostMessageW(window_, kRawKeyUpMessage, raw.data.keyboard.VKey,
                 static_cast<LPARAM>(raw.data.keyboard.ExtraInformation));
}

bool Win32SystemNotices::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
        case WM_INPUT:
            OnRawInput(reinterpret_cast<HRAWINPUT>(lParam));
            result = DefWindowProcW(window_, message, wParam, lParam);  // frees the input
            return true;
        case kRawKeyUpMessage:
            events_.Form_RawKeyUp(static_cast<int>(wParam), static_cast<std::uint32_t>(lParam));
            return true;
        case WM_INPUT_DEVICE_CHANGE:
            if (wParam == GIDC_ARRIVAL) {
                events_.Form_KeyboardArrival();
            }
            return true;
        case WM_WTSSESSION_CHANGE:
            if (wParam == WTS_SESSION_UNLOCK) {
                events_.Form_SessionUnlock();
            }
            return true;
        case WM_POWERBROADCAST:
            if (wParam == PBT_APMRESUMEAUTOMATIC) {
                events_.Form_PowerResume();
            }
            result = TRUE;
            return true;
        default:
            return false;
    }
}

}  // namespace keystead::toolkit::win32
