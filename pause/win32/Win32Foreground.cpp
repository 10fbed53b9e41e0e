#include "pause/win32/Win32Foreground.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/IgnoreFailure.h"
#include "toolkit/win32/Handles.h"
#include "toolkit/win32/Text.h"

namespace keystead::pause::win32 {

namespace {

using UniqueWinEventHook = toolkit::win32::UniqueHandle<HWINEVENTHOOK, ::UnhookWinEvent>;

// Wine (8) never raises EVENT_SYSTEM_FOREGROUND, so the watch also looks at the foreground
// window's handle this often, which costs one call and asks no process anything.
constexpr UINT kLookMs = 250;

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
    explicit Win32ForegroundWatch(std::function<void()> changed)
        : changed_(std::move(changed)),
          front_(GetForegroundWindow()),
          hook_(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &OnEvent,
                                0, 0, WINEVENT_OUTOFCONTEXT)),
          timer_(kLookMs, &OnTimer) {
        Watches().push_back(this);
    }
    ~Win32ForegroundWatch() override { std::erase(Watches(), this); }
    Win32ForegroundWatch(const Win32ForegroundWatch&) = delete;
    Win32ForegroundWatch& operator=(const Win32ForegroundWatch&) = delete;

    bool Watching() const { return hook_ != nullptr || timer_.Id() != 0; }

private:
    // Neither procedure gets a context of its own: the watch is found by its hook or timer.
    static std::vector<Win32ForegroundWatch*>& Watches() {
        static std::vector<Win32ForegroundWatch*> watches;
        return watches;
    }

    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
        for (Win32ForegroundWatch* watch : Watches()) {
            if (watch->hook_.get() == hook) {
                watch->Look();
                return;
            }
        }
    }

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
        for (Win32ForegroundWatch* watch : Watches()) {
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
        toolkit::IgnoreFailure([this] { changed_(); });
    }

    std::function<void()> changed_;
    HWND front_;
    UniqueWinEventHook hook_;
    ThreadTimer timer_;
};

// Almost every image path fits; a longer one is asked again with room for any.
bool QueryImagePath(HANDLE process, std::wstring& path) {
    for (DWORD room : {DWORD{MAX_PATH}, DWORD{32768}}) {
        path.resize(room);
        DWORD size = room;
        if (QueryFullProcessImageNameW(process, 0, path.data(), &size) != FALSE) {
            path.resize(size);
            return true;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            break;
        }
    }
    return false;
}

}  // namespace

std::string Win32Foreground::ProgramName() {
    const HWND window = GetForegroundWindow();
    DWORD processId = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &processId) == 0 || processId == 0) {
        return {};
    }
    const toolkit::win32::UniqueKernelHandle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    std::wstring path;
    if (process == nullptr || !QueryImagePath(process.get(), path)) {
        return {};
    }
    const std::wstring_view name = std::wstring_view(path).substr(path.find_last_of(L"\\/") + 1);
    return toolkit::win32::Narrow(name);
}

UserNotificationState Win32Foreground::NotificationState() {
    QUERY_USER_NOTIFICATION_STATE state{};
    if (FAILED(SHQueryUserNotificationState(&state))) {
        return UserNotificationState::Unknown;
    }
    return static_cast<UserNotificationState>(state);
}

std::unique_ptr<ForegroundWatch> Win32Foreground::Watch(std::function<void()> changed) {
    auto watch = std::make_unique<Win32ForegroundWatch>(std::move(changed));
    if (!watch->Watching()) {
        return nullptr;
    }
    return watch;
}

}  // namespace keystead::pause::win32
