#pragma once

// Waiting in the Win32 tests: for a condition, with a ceiling, never for a fixed time. On a
// busy machine under Wine a fixed pause is the likeliest cause of a failure; a wait that hits
// its ceiling says what it waited for.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "toolkit/win32/MessageLoop.h"

namespace keystead::testing {

// Long enough for two busy cores under Wine, short enough that a real fault ends the test.
inline constexpr std::chrono::milliseconds kWaitCeiling{10000};

// Serves this thread's messages until the condition holds; false, and a line on stderr
// naming what was awaited, when the ceiling comes first.
template <typename Condition>
bool WaitUntil(const char* what, Condition&& condition,
               std::chrono::milliseconds ceiling = kWaitCeiling) {
    const auto start = std::chrono::steady_clock::now();
    while (!condition()) {
        const auto waited = std::chrono::steady_clock::now() - start;
        if (waited >= ceiling) {
            std::fprintf(stderr, "waited %lld ms for %s\n", static_cast<long long>(ceiling.count()),
                         what);
            return false;
        }
        toolkit::win32::PumpMessages(std::chrono::milliseconds(10));
    }
    return true;
}

// Serves this thread's messages until the lookup finds something (a window, say), and gives
// what it found: an empty value, and a line on stderr, when the ceiling comes first.
template <typename Find>
auto WaitFor(const char* what, Find&& find, std::chrono::milliseconds ceiling = kWaitCeiling) {
    decltype(find()) found{};
    WaitUntil(
        what, [&] { return static_cast<bool>(found = find()); }, ceiling);
    return found;
}

// Serves this thread's messages until none waits: the input, what was posted or sent, and the
// repaints all handled, so that what a test reads next is what they left behind.
inline bool WaitUntilQuiet() {
    return WaitUntil("the queue to empty", [] {
        return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE | QS_PAINT)) == 0;
    });
}

// Serves this thread's messages while the condition keeps holding, for the whole time given:
// the check that something does not happen. False, and a line on stderr, once it stops.
template <typename Condition>
bool HoldsFor(const char* what, Condition&& condition, std::chrono::milliseconds duration) {
    const auto start = std::chrono::steady_clock::now();
    do {
        if (!condition()) {
            std::fprintf(stderr, "stopped holding: %s\n", what);
            return false;
        }
        toolkit::win32::PumpMessages(std::chrono::milliseconds(10));
    } while (std::chrono::steady_clock::now() - start < duration);
    return condition();
}

}  // namespace keystead::testing
