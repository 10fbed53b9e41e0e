// The real foreground under Wine: the program of the window in front, the shell's answer
// about full-screen programs, and the foreground hook.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "pause/win32/Win32Foreground.h"
#include "tests/support/win32/Wait.h"
#include "toolkit/win32/Text.h"

namespace keystead::pause::win32 {
namespace {

using namespace std::chrono_literals;
using keystead::testing::HoldsFor;
using keystead::testing::WaitUntil;

// Longer than the watch takes to look again (a quarter second): long enough to hear news
// that would come.
constexpr auto kNoNews = 700ms;

// A visible top-level window of this process, brought to the front on demand.
class FrontWindow {
public:
    explicit FrontWindow(DWORD style = WS_OVERLAPPEDWINDOW, RECT place = {60, 60, 260, 160})
        : window_(CreateWindowExW(0, L"STATIC", L"front", style | WS_VISIBLE, place.left, place.top,
                                  place.right - place.left, place.bottom - place.top, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr)) {}
    ~FrontWindow() { DestroyWindow(window_); }
    FrontWindow(const FrontWindow&) = delete;
    FrontWindow& operator=(const FrontWindow&) = delete;

    bool BringToFront() const {
        SetForegroundWindow(window_);
        return WaitUntil("the window in front",
                         [this] { return GetForegroundWindow() == window_; });
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

bool SameFile(const std::string& one, const std::string& other) {
    return CompareStringOrdinal(toolkit::win32::Widen(one).c_str(), -1,
                                toolkit::win32::Widen(other).c_str(), -1, TRUE) == CSTR_EQUAL;
}

TEST(Win32Foreground, NamesTheFileOfTheProgramInFront) {
    FrontWindow window;
    ASSERT_TRUE(window.BringToFront());
    Win32Foreground foreground;
    const std::string name = foreground.ProgramName();
    EXPECT_TRUE(SameFile(name, OwnFileName())) << name;
    EXPECT_EQ(name.find_first_of("\\/:"), std::string::npos) << "no folder";
}

// This program's own windows in front, one of them over the whole monitor as a game's: the
// shell has no full-screen program to report (Wine's never has), and the size tells them apart.
TEST(Win32Foreground, AnswersAboutTheWindowInFront) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const struct {
        const char* name;
        DWORD style;
        RECT place;
        bool covers;
    } kWindows[] = {
        {"a window", WS_OVERLAPPEDWINDOW, {60, 60, 260, 160}, false},
        {"a window over the monitor", WS_POPUP, {0, 0, width, height}, true},
    };
    Win32Foreground foreground;
    for (const auto& w : kWindows) {
        SCOPED_TRACE(w.name);
        FrontWindow window(w.style, w.place);
        ASSERT_TRUE(window.BringToFront());
        EXPECT_TRUE(SameFile(foreground.ProgramName(), OwnFileName()));
        EXPECT_EQ(foreground.NotificationState(), UserNotificationState::AcceptsNotifications);
        EXPECT_EQ(foreground.FrontCoversMonitor(), w.covers);
    }
}

TEST(Win32Foreground, HearsEachNewForegroundWindowWhileTheWatchLives) {
    FrontWindow first;
    FrontWindow second;
    ASSERT_TRUE(first.BringToFront());
    Win32Foreground foreground;
    Listener listener;
    Listener other;
    auto watch = foreground.Watch(listener);
    ASSERT_NE(watch, nullptr);
    const auto hears = [](const Listener& l, int times) {
        return WaitUntil("the listener to hear", [&] { return l.heard == times; });
    };
    {
        auto otherWatch = foreground.Watch(other);
        ASSERT_TRUE(second.BringToFront());
        EXPECT_TRUE(hears(listener, 1));
        EXPECT_TRUE(hears(other, 1)) << "each watch hears";
    }

    ASSERT_TRUE(first.BringToFront());
    EXPECT_TRUE(hears(listener, 2));
    EXPECT_TRUE(HoldsFor(
        "one call", [&] { return other.heard == 1; }, kNoNews))
        << "a watch destroyed hears no more";
    ASSERT_TRUE(first.BringToFront());
    EXPECT_TRUE(HoldsFor(
        "two calls", [&] { return listener.heard == 2; }, kNoNews))
        << "the same window in front again is no news";

    watch.reset();
    ASSERT_TRUE(second.BringToFront());
    EXPECT_TRUE(HoldsFor(
        "two calls", [&] { return listener.heard == 2; }, kNoNews));
}

TEST(Win32Foreground, AFailingListenerDoesNotLeaveTheHook) {
    FrontWindow first;
    FrontWindow second;
    ASSERT_TRUE(first.BringToFront());
    Win32Foreground foreground;
    Listener listener;
    listener.fail = true;
    auto watch = foreground.Watch(listener);
    ASSERT_TRUE(second.BringToFront());
    EXPECT_TRUE(WaitUntil("the first call", [&] { return listener.heard == 1; }));
    ASSERT_TRUE(first.BringToFront());
    EXPECT_TRUE(WaitUntil("a call after the failure", [&] { return listener.heard == 2; }))
        << "still called after a failure";
}

}  // namespace
}  // namespace keystead::pause::win32
