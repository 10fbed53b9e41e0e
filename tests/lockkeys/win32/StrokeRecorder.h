#pragma once

// Every keystroke that enters the system's input while a recorder lives, as another program's
// low-level keyboard hook sees it. The hook lives on a thread of its own that serves nothing
// else, so that the test may wait or sleep while strokes arrive.

#include <windows.h>

#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace keystead::testing {

class StrokeRecorder {
public:
    struct Stroke {
        DWORD virtualKey;
        DWORD scanCode;
        bool up;
        bool extended;
        bool injected;
        ULONG_PTR extraInfo;
    };

    StrokeRecorder() {
        current_ = this;
        std::promise<bool> hooked;
        auto result = hooked.get_future();
        thread_ = std::thread([this, &hooked] {
            threadId_ = GetCurrentThreadId();
            HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, &Hook, GetModuleHandleW(nullptr), 0);
            MSG message;
            PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue, for WM_QUIT
            hooked.set_value(hook != nullptr);
            while (hook != nullptr && GetMessageW(&message, nullptr, 0, 0) > 0) {
                DispatchMessageW(&message);
            }
            if (hook != nullptr) {
                UnhookWindowsHookEx(hook);
            }
        });
        hooked_ = result.get();
    }
    ~StrokeRecorder() {
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
        current_ = nullptr;
    }
    StrokeRecorder(const StrokeRecorder&) = delete;
    StrokeRecorder& operator=(const StrokeRecorder&) = delete;

    bool Hooked() const { return hooked_; }

    // The strokes seen so far that carried this extra information, in order.
    std::vector<Stroke> Tagged(ULONG_PTR extraInfo) const {
        std::lock_guard lock(mutex_);
        std::vector<Stroke> tagged;
        for (const Stroke& stroke : strokes_) {
            if (stroke.extraInfo == extraInfo) {
                tagged.push_back(stroke);
            }
        }
        return tagged;
    }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION && current_ != nullptr) {
            const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
            std::lock_guard lock(current_->mutex_);
            current_->strokes_.push_back({key.vkCode, key.scanCode, (key.flags & LLKHF_UP) != 0,
                                          (key.flags & LLKHF_EXTENDED) != 0,
                                          (key.flags & LLKHF_INJECTED) != 0, key.dwExtraInfo});
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline StrokeRecorder* current_ = nullptr;
    std::thread thread_;
    DWORD threadId_ = 0;
    bool hooked_ = false;
    mutable std::mutex mutex_;
    std::vector<Stroke> strokes_;
};

}  // namespace keystead::testing
