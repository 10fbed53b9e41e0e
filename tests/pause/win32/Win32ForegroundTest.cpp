// The real foreground under Wine: the program of the window in front, the shell's answer
// about full-screen programs, and the foreground hook.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "pause/win32/Win32Foreground.h"
#include "toolkit/win32/MessageLoop.h"
#include "toolkit/win32/Text.h"

namespace keystead::pause::win32 {
namespace {

using namespace std::chrono_literals;
using toolkit::win32::PumpMessages;

// A visible top-level window of this process, brought to the front on demand.
class FrontWindow {
public:
    FrontWindow()
        : window_(CreateWindowExW(0, L"STATIC", L"front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60,
                                  200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {
    }
    ~FrontWindow() { DestroyWindow(window_); }
    FrontWindow(const FrontWindow&) = delete;
    FrontWindow& operator=(const FrontWindow&) = delete;

    // Then serves the queue for a while, as the program's message loop would.
    void BringToFront() const {
        SetForegroundWindow(window_);
        PumpMessages(700ms);
    }
    HWND Handle() const { return window_; }

private:
    HWND window_;
};

// Counts what it hears; throws each time when told to.
class Listener final : public ForegroundEvents {
public:
    void Foreground_Change() override {
        ++heard;
        if (fail) {
            throw std::runtime_error("listener failed");
        }
    }
    int heard = 0;
    bool fail = false;
};

std::string OwnFileName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring full(path);
    return toolkit::win32::Narrow(full.substr(full.find_last_of(L"\\/") + 1));
}

TEST(Win32Foreground, NamesTheFileOfTheProgramInFront) {
    FrontWindow window;
    window.BringToFront();
    ASSERT_EQ(GetForegroundWindow(), window.Handle());
    Win32Foreground foreground;
    const std::string name = foreground.ProgramName();
    EXPECT_EQ(CompareStringOrdinal(toolkit::win32::Widen(name).c_str(), -1,
                                   toolkit::win32::Widen(OwnFileName()).c_str(), -1, TRUE),
              CSTR_EQUAL)
        << name;
    EXPECT_EQ(name.find_first_of("\\/:"), std::string::npos) << "no folder";
}

TEST(Win32Foreground, TheShellAnswersAboutFullScreenPrograms) {
    Win32Foreground foreground;
    EXPECT_NE(foreground.NotificationState(), UserNotificationState::Unknown);
}

TEST(Win32Foreground, HearsEachNewForegroundWindowWhileTheWatchLives) {
    FrontWindow first;
    FrontWindow second;
    first.BringToFront();
    Win32Foreground foreground;
    Listener listener;
    Listener other;
    auto watch = foreground.Watch(listener);
    ASSERT_NE(watch, nullptr);
    {
        auto otherWatch = foreground.Watch(other);
        second.BringToFront();
        ASSERT_EQ(GetForegroundWindow(), second.Handle());
        EXPECT_EQ(listener.heard, 1);
        EXPECT_EQ(other.heard, 1) << "each watch hears";
    }

    first.BringToFront();
    EXPECT_EQ(listener.heard, 2);
    EXPECT_EQ(other.heard, 1) << "a watch destroyed hears no more";
    first.BringToFront();
    EXPECT_EQ(listener.heard, 2) << "the same window in front again is no news";

    watch.reset();
    second.BringToFront();
    EXPECT_EQ(listener.heard, 2);
}

TEST(Win32Foreground, AFailingListenerDoesNotLeaveTheHook) {
    FrontWindow first;
    FrontWindow second;
    first.BringToFront();
    Win32Foreground foreground;
    Listener listener;
    listener.fail = true;
    auto watch = foreground.Watch(listener);
    second.BringToFront();
    first.BringToFront();
    EXPECT_EQ(listener.heard, 2) << "still called after a failure";
}

}  // namespace
}  // namespace keystead::pause::win32
