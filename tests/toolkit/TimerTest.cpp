#include <gtest/gtest.h>

#include "toolkit/Timer.h"
#include "toolkit/fake/FakeToolkit.h"

namespace keystead::toolkit {
namespace {

using fake::FakeTimerDriver;

TEST(Timer, StartsWithOneSecondAndOff) {
    FakeTimerDriver driver;
    Timer timer(driver);
    EXPECT_EQ(timer.Interval(), 1000);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_FALSE(driver.running);
}

TEST(Timer, AcceptsZeroTo65535AndRefusesTheRestKeepingTheInterval) {
    struct Case {
        std::int64_t interval;
        bool accepted;
    };
    const Case cases[] = {{0, true},      {1, true},          {65535, true},
                          {65536, false}, {-1, false},        {100000, false},
                          {-5, false},    {1LL << 40, false}, {20, true}};
    for (const Case& c : cases) {
        FakeTimerDriver driver;
        Timer timer(driver);
        timer.SetInterval(300);
        EXPECT_EQ(timer.SetInterval(c.interval), c.accepted) << c.interval;
        EXPECT_EQ(timer.Interval(), c.accepted ? c.interval : 300) << c.interval;
    }
}

TEST(Timer, RunsOnlyWhileEnabledWithANonZeroInterval) {
    FakeTimerDriver driver;
    Timer timer(driver);
    int fired = 0;
    timer.SetHandler([&] { ++fired; });

    timer.SetEnabled(true);
    EXPECT_TRUE(driver.running);
    EXPECT_EQ(driver.period, 1000u);

    // Zero must never reach the platform, which would fire about every 10 ms instead.
    timer.SetInterval(0);
    EXPECT_FALSE(driver.running);
    EXPECT_TRUE(timer.Enabled());
    timer.Fire();
    EXPECT_EQ(fired, 0);

    timer.SetInterval(250);
    EXPECT_TRUE(driver.running);
    EXPECT_EQ(driver.period, 250u);
    timer.Fire();
    EXPECT_EQ(fired, 1);

    timer.SetEnabled(false);
    EXPECT_FALSE(driver.running);
    timer.Fire();  // a period already queued when it stopped
    EXPECT_EQ(fired, 1);
}

TEST(Timer, ChangingTheIntervalOfARunningTimerRestartsItsPeriod) {
    FakeTimerDriver driver;
    Timer timer(driver);
    timer.SetEnabled(true);
    int starts = driver.starts;
    timer.SetInterval(500);
    EXPECT_EQ(driver.starts, starts + 1);
    EXPECT_EQ(driver.period, 500u);
}

}  // namespace
}  // namespace keystead::toolkit
