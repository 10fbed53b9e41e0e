#pragma once

#include <algorithm>
#include <cstdint>

#include "toolkit/RequestAnswer.h"

namespace keystead::toolkit {

// What a later start sees of the running copy it asked to end.
class EndingCopy {
public:
    virtual ~EndingCopy() = default;
    // Whether the copy's process could be opened to wait on; a copy that runs elevated keeps
    // a plain start out.
    virtual bool CanWaitForProcess() const = 0;
    // Waits at most timeoutMs for the process to end; true once it has.
    virtual bool WaitForProcess(std::uint32_t timeoutMs) = 0;
    // Whether the copy's window is gone.
    virtual bool WindowGone() = 0;
    // Milliseconds since some fixed moment.
    virtual std::int64_t Now() = 0;
    virtual void Pause(std::uint32_t ms) = 0;
};

// How often the window is looked at while the process cannot be waited on.
inline constexpr std::uint32_t kEndPollMs = 50;

// kRequestDone once the copy has ended, kRequestNotEnded when it still runs after timeoutMs.
// Without its process, the copy's window, which goes as it ends, is watched to the same
// ceiling: a start must not report an end it did not see.
inline RequestAnswer AwaitEnd(EndingCopy& copy, std::uint32_t timeoutMs) {
    if (copy.CanWaitForProcess()) {
        return copy.WaitForProcess(timeoutMs) ? kRequestDone : kRequestNotEnded;
    }
    const std::int64_t start = copy.Now();
    while (!copy.WindowGone()) {
        const std::int64_t waited = copy.Now() - start;
        if (waited >= timeoutMs) {
            return kRequestNotEnded;
        }
        copy.Pause(
            static_cast<std::uint32_t>(std::min<std::int64_t>(kEndPollMs, timeoutMs - waited)));
    }
    return kRequestDone;
}

}  // namespace keystead::toolkit
