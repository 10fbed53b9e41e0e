// How a start waits for the copy it asked to end, on a copy and a clock of its own.
#include "toolkit/EndingCopy.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace keystead::toolkit {
namespace {

class FakeEndingCopy : public EndingCopy {
public:
    bool CanWaitForProcess() const override { return processOpen; }
    bool WaitForProcess(std::uint32_t timeoutMs) override {
        processWaits += 1;
        return processEndsAt && *processEndsAt <= now + timeoutMs;
    }
    bool WindowGone() override { return windowGoesAt && *windowGoesAt <= now; }
    std::int64_t Now() override { return now; }
    void Pause(std::uint32_t ms) override { now += ms; }

    bool processOpen = false;
    std::optional<std::int64_t> processEndsAt;
    std::optional<std::int64_t> windowGoesAt;
    std::int64_t now = 1000;
    int processWaits = 0;
};

TEST(AwaitEnd, WaitsOnTheProcessOrElseOnTheWindowToTheSameCeiling) {
    struct Case {
        const char* what;
        bool processOpen;
        std::optional<std::int64_t> processEndsAt, windowGoesAt;
        RequestAnswer answer;
    };
    const Case cases[] = {
        {"process ends", true, 3000, std::nullopt, kRequestDone},
        {"process still runs", true, std::nullopt, 1000, kRequestNotEnded},
        {"elevated copy's window already gone", false, std::nullopt, 1000, kRequestDone},
        {"elevated copy's window goes in time", false, std::nullopt, 5990, kRequestDone},
        {"elevated copy's window goes at the ceiling", false, std::nullopt, 6000, kRequestDone},
        {"elevated copy still runs", false, std::nullopt, 6001, kRequestNotEnded},
        {"elevated copy never ends", false, std::nullopt, std::nullopt, kRequestNotEnded},
    };
    for (const Case& c : cases) {
        FakeEndingCopy copy;
        copy.processOpen = c.processOpen;
        copy.processEndsAt = c.processEndsAt;
        copy.windowGoesAt = c.windowGoesAt;
        EXPECT_EQ(AwaitEnd(copy, 5000), c.answer) << c.what;
        EXPECT_EQ(copy.processWaits, c.processOpen ? 1 : 0) << c.what;
        EXPECT_LE(copy.now, 6000) << c.what << ": waited past the ceiling";
    }
}

}  // namespace
}  // namespace keystead::toolkit
