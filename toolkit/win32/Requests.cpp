#include "toolkit/win32/Requests.h"

#include <cstring>
#include <string>
#include <string_view>

#include "toolkit/EndingCopy.h"
#include "toolkit/win32/Handles.h"
#include "toolkit/win32/Library.h"
#include "toolkit/win32/Win32Form.h"

namespace keystead::toolkit::win32 {

namespace {

// A copy that hangs must not hang the start that asks it.
constexpr UINT kAnswerTimeoutMs = 10000;
// A copy turns requests away until its tray icon and timer are in place.
constexpr int kAttempts = 30;
constexpr DWORD kAttemptPauseMs = 100;

bool RunsElevated() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return false;
    }
    const UniqueKernelHandle owner(token);
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    return GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) &&
           elevation.TokenIsElevated != 0;
}

// The file name of a full path, without its folder.
std::wstring_view FileNameOf(std::wstring_view path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring_view::npos ? path : path.substr(slash + 1);
}

bool SameFileName(std::wstring_view a, std::wstring_view b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// Any program may make a window of our class: only a process that runs a file of this
// program's name gets our right to come to the front.
void AllowForeground(DWORD processId) {
    // On the heap: the release build's frames stay under a page (it has no stack probes).
    constexpr DWORD kMaxPath = 1024;
    std::wstring own(kMaxPath, L'\0');
    const DWORD ownLength = GetModuleFileNameW(nullptr, own.data(), kMaxPath);
    UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    std::wstring image(kMaxPath, L'\0');
    DWORD imageLength = kMaxPath;
    if (ownLength == 0 || ownLength >= kMaxPath || !process ||
        QueryFullProcessImageNameW(process.get(), 0, image.data(), &imageLength) == FALSE) {
        return;
    }
    if (SameFileName(FileNameOf({own.data(), ownLength}),
                     FileNameOf({image.data(), imageLength}))) {
        AllowSetForegroundWindow(processId);
    }
}

class Win32EndingCopy : public EndingCopy {
public:
    Win32EndingCopy(HANDLE process, HWND window) : process_(process), window_(window) {
        GetWindowThreadProcessId(window, &processId_);
    }
    bool CanWaitForProcess() const override { return process_ != nullptr; }
    bool WaitForProcess(std::uint32_t timeoutMs) override {
        return WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
    }
    // The handle of a destroyed window may soon name a window of another process.
    bool WindowGone() override {
        DWORD owner = 0;
        return GetWindowThreadProcessId(window_, &owner) == 0 || owner != processId_;
    }
    std::int64_t Now() override { return static_cast<std::int64_t>(GetTickCount64()); }
    void Pause(std::uint32_t ms) override { Sleep(ms); }

private:
    HANDLE process_;
    HWND window_;
    DWORD processId_ = 0;
};

}  // namespace

RequestAnswer AwaitCopyEnd(HANDLE process, HWND window, DWORD timeoutMs) {
    Win32EndingCopy copy(process, window);
    return AwaitEnd(copy, timeoutMs);
}

RequestAnswer SendRequest(std::uint32_t request, bool waitForEnd) {
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
            // Opened before the request goes, so that its end cannot be missed, nor a new
            // process under a reused id be waited for. An elevated copy refuses a plain
            // start: then its window is watched instead.
            UniqueKernelHandle running(waitForEnd ? OpenProcess(SYNCHRONIZE, FALSE, process)
                                                  : nullptr);
            // The copy brings its window to the front for /settings; Windows lets it only
            // when the program the user started passes its right on.
            AllowForeground(process);
            DWORD_PTR answer = kRequestNotTaken;
            if (SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                    SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer) == 0) {
                // A copy too busy to answer may still carry the request out later: asking
                // again could toggle twice.
                if (GetLastError() == ERROR_TIMEOUT) {
                    return kRequestNotTaken;
                }
            } else if (answer == kRequestRefused) {
                return kRequestRefused;
            } else if (answer == kRequestDone) {
                return waitForEnd ? AwaitCopyEnd(running.get(), window) : kRequestDone;
            }
        }
        Sleep(kAttemptPauseMs);
    }
    return kRequestNotTaken;
}

// The filter between privilege levels drops WM_COPYDATA from a plain program to an
// elevated one (Windows 7 and later). It opens only for an elevated copy, to the plain
// starts of its user; a copy that is not elevated keeps out what runs below it (a sandboxed
// program at low integrity). What gets through is checked as strictly as any.
void AllowRequests(HWND window) {
    if (!RunsElevated()) {
        return;
    }
    using ChangeFilterFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    const auto changeFilter = User32Function<ChangeFilterFn>("ChangeWindowMessageFilterEx");
    constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
    if (changeFilter != nullptr) {
        changeFilter(window, WM_COPYDATA, kAllow, nullptr);
    }
}

LRESULT ReceiveRequest(LPARAM copyData, SystemEvents& events) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(copyData);
    std::uint32_t request = 0;
    if (data == nullptr || data->dwData != kRequestTag || data->cbData != sizeof request ||
        data->lpData == nullptr) {
        return FALSE;
    }
    std::memcpy(&request, data->lpData, sizeof request);
    return static_cast<LRESULT>(events.Form_Request(request));
}

}  // namespace keystead::toolkit::win32
