#include "pause/win32/Win32Foreground.h"

#include <windows.h>

#include <shellapi.h>

#include <string_view>

#include "toolkit/IgnoreFailure.h"
#include "toolkit/win32/Handles.h"
#include "toolkit/win32/Text.h"

namespace keystead::pause::win32 {

namespace {

using UniqueWinEventHook = toolkit::win32::UniqueHandle<HWINEVENTHOOK, ::UnhookWinEvent>;

// Wine (8) raises EVENT_SYSTEM_FOREGROUND for only some changes, so the watch also looks at the
// foreground window's handle this often, which costs one call and asks no process anything:
// a program's own lock modes are put in force well within 200 ms of its coming to the front.
constexpr UINT kLookMs = 100;

// Room for the image path on the stack; a longer path (rare even where long paths are on)
// reads as unreadable and matches nothing.
constexpr DWORD kMaxImagePath = 1024;

// A timer of the thread, not of a window: WM_TIMER names its procedure, which
// DispatchMessage calls.
class ThreadTimer {
public:
    ThreadTimer(UINT milliseconds, TIMERPROC procedure)
        : id_(SetTimer(nullptr, 0, milliseconds, procedure)) {}
    ~ThreadTimer() {
        if (id_ != 0) {
            KillTimer(nullptr, id_);
        }
    }
    ThreadTimer(const ThreadTimer&) = delete;
    ThreadTimer& operator=(const ThreadTimer&) = delete;
    UINT_PTR Id() const { return id_; }

private:
    UINT_PTR id_;
};

class Win32ForegroundWatch final : public ForegroundWatch {
public:
    explicit Win32ForegroundWatch(ForegroundEvents& listener)
        : listener_(listener),
          front_(GetForegroundWindow()),
          hook_(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &OnEvent,
                                0, 0, WINEVENT_OUTOFCONTEXT)),
          timer_(kLookMs, &OnTimer),
          next_(first_) {
        first_ = this;
    }
    ~Win32ForegroundWatch() override {
        Win32ForegroundWatch** link = &first_;
        while (*link != this) {
            link = &(*link)->next_;
        }
        *link = next_;
    }
    Win32ForegroundWatch(const Win32ForegroundWatch&) = delete;
    Win32ForegroundWatch& operator=(const Win32ForegroundWatch&) = delete;

    bool Watching() const { return hook_ != nullptr || timer_.Id() != 0; }

private:
    // Neither procedure gets a context of its own: the watch is found by its hook or timer
    // among those of the thread.
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
        for (Win32ForegroundWatch* watch = first_; watch != nullptr; watch = watch->next_) {
            if (watch->hook_.get() == hook) {
                watch->Look();
                return;
            }
        }
    }

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
        for (Win32ForegroundWatch* watch = first_; watch != nullptr; watch = watch->next_) {
            if (watch->timer_.Id() == id) {
                watch->Look();
                return;
            }
        }
    }

    // Once per new foreground window, however it was noticed.
    void Look() {
        const HWND front = GetForegroundWindow();
        if (front == front_) {
            return;
        }
        front_ = front;
        // Nothing may leave a system callback by an exception.
        toolkit::IgnoreFailure([this] { listener_.Foreground_Change(); });
    }

    static inline Win32ForegroundWatch* first_ = nullptr;
    ForegroundEvents& listener_;
    HWND front_;
    UniqueWinEventHook hook_;
    ThreadTimer timer_;
    Win32ForegroundWatch* next_;
};

}  // namespace

std::string Win32Foreground::ProgramName() {
    return ProgramNameOf(GetForegroundWindow());
}

std::string ProgramNameOf(HWND window) {
    DWORD processId = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &processId) == 0 || processId == 0) {
        return {};
    }
    const toolkit::win32::UniqueKernelHandle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    // A longer path reads as unreadable, as does that of a process the user may not ask.
    wchar_t path[kMaxImagePath];
    DWORD length = kMaxImagePath;
    if (process == nullptr ||
        QueryFullProcessImageNameW(process.get(), 0, path, &length) == FALSE) {
        return {};
    }
    const std::wstring_view full(path, length);
    return toolkit::win32::Narrow(full.substr(full.find_last_of(L"\\/") + 1));
}

UserNotificationState Win32Foreground::NotificationState() {
    QUERY_USER_NOTIFICATION_STATE state{};
    if (FAILED(SHQueryUserNotificationState(&state))) {
        return UserNotificationState::Unknown;
    }
    return static_cast<UserNotificationState>(state);
}

bool Win32Foreground::FrontCoversMonitor() {
    const HWND window = GetForegroundWindow();
    wchar_t className[32] = {};
    if (window == nullptr || GetClassNameW(window, className, 32) == 0) {
        return false;
    }
    // The desktop and the taskbar cover the screen without being a program in full screen.
    for (const wchar_t* shell : {L"Progman", L"WorkerW", L"Shell_TrayWnd"}) {
        if (lstrcmpW(className, shell) == 0) {
            return false;
        }
    }
    RECT bounds{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetWindowRect(window, &bounds) ||
        !GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONULL), &monitor)) {
        return false;
    }
    return bounds.left <= monitor.rcMonitor.left && bounds.top <= monitor.rcMonitor.top &&
           bounds.right >= monitor.rcMonitor.right && bounds.bottom >= monitor.rcMonitor.bottom;
}

std::unique_ptr<ForegroundWatch> Win32Foreground::Watch(ForegroundEvents& listener) {
    auto watch = std::make_unique<Win32ForegroundWatch>(listener);
    if (!watch->Watching()) {
        return nullptr;
    }
    return watch;
}

}  // namespace keystead::pause::win32
