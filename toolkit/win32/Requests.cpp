#include "toolkit/win32/Requests.h"

#include <cstring>

#include "toolkit/win32/Library.h"
#include "toolkit/win32/Win32Form.h"

namespace keystead::toolkit::win32 {

namespace {

// A copy that hangs must not hang the start that asks it.
constexpr UINT kAnswerTimeoutMs = 10000;
// A copy turns requests away until its tray icon and timer are in place.
constexpr int kAttempts = 30;
constexpr DWORD kAttemptPauseMs = 100;

}  // namespace

bool SendRequest(std::uint32_t request) {
    COPYDATASTRUCT data{kRequestTag, sizeof request, &request};
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        HWND window = nullptr;
        while ((window = FindWindowExW(nullptr, window, Win32Form::ClassName(), nullptr)) !=
               nullptr) {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process == GetCurrentProcessId()) {
                continue;
            }
            // The copy brings its window to the front for /settings; Windows lets it only
            // when the program the user started passes its right on.
            AllowSetForegroundWindow(process);
            DWORD_PTR taken = FALSE;
            if (SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                    SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &taken) == 0) {
                // A copy too busy to answer may still carry the request out later: asking
                // again could toggle twice.
                if (GetLastError() == ERROR_TIMEOUT) {
                    return false;
                }
            } else if (taken == TRUE) {
                return true;
            }
        }
        Sleep(kAttemptPauseMs);
    }
    return false;
}

// The filter between privilege levels drops WM_COPYDATA from a plain program to an
// elevated one (Windows 7 and later). What gets through is checked as strictly as any.
void AllowRequests(HWND window) {
    using ChangeFilterFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    const auto changeFilter = User32Function<ChangeFilterFn>("ChangeWindowMessageFilterEx");
    constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
    if (changeFilter != nullptr) {
        changeFilter(window, WM_COPYDATA, kAllow, nullptr);
    }
}

LRESULT ReceiveRequest(LPARAM copyData, FormEvents& events) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(copyData);
    std::uint32_t request = 0;
    if (data == nullptr || data->dwData != kRequestTag || data->cbData != sizeof request ||
        data->lpData == nullptr) {
        return FALSE;
    }
    std::memcpy(&request, data->lpData, sizeof request);
    return events.Form_Request(request) ? TRUE : FALSE;
}

}  // namespace keystead::toolkit::win32
