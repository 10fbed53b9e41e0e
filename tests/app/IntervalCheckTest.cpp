#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "MainHarness.h"

namespace keystead::app::testing {
namespace {

struct Check {
    std::string typed;
    std::string corrected;
};

std::ostream& operator<<(std::ostream& out, const Check& check) {
    return out << '"' << check.typed << "\" -> \"" << check.corrected << '"';
}

class IntervalCheckTest : public MainTest, public ::testing::WithParamInterface<Check> {};

TEST_P(IntervalCheckTest, LeavingTheBoxCorrectsTheText) {
    Start();
    Form().Type(IntervalSetting, GetParam().typed);
    Form().LeaveField(IntervalSetting);
    EXPECT_EQ(Interval(), GetParam().corrected);
}

TEST_P(IntervalCheckTest, LeavesTheTimerAlone) {
    Start();
    const int startsBefore = Form().TimerDriver().starts;
    Form().Type(IntervalSetting, GetParam().typed);
    Form().LeaveField(IntervalSetting);
    EXPECT_EQ(Form().Timer().Interval(), 1000);
    EXPECT_EQ(Form().TimerDriver().starts, startsBefore);
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(Form().TimerDriver().period, 1000u);
}

TEST_P(IntervalCheckTest, EnablesApplyExactlyWhenItRewritesTheText) {
    Start();
    Form().Type(IntervalSetting, GetParam().typed);
    Form().SetEnabled(ApplyButton, false);  // only the check itself is looked at
    Form().LeaveField(IntervalSetting);
    EXPECT_EQ(ApplyEnabled(), GetParam().typed != GetParam().corrected);
}

TEST_P(IntervalCheckTest, TheCorrectedTextTakesEffectAtApply) {
    Start();
    Form().Type(IntervalSetting, GetParam().typed);
    Form().LeaveField(IntervalSetting);
    Form().Click(ApplyButton);
    EXPECT_EQ(std::to_string(Form().Timer().Interval()), GetParam().corrected);
    EXPECT_EQ(Interval(), GetParam().corrected);
}

INSTANTIATE_TEST_SUITE_P(ReadsAsZero, IntervalCheckTest,
                         ::testing::Values(Check{"abc", "1000"}, Check{"", "1000"},
                                           Check{"0", "1000"}, Check{"0.5", "1000"},
                                           Check{"-0", "1000"}, Check{"1e-400", "1000"}));

INSTANTIATE_TEST_SUITE_P(BelowTheRange, IntervalCheckTest,
                         ::testing::Values(Check{"-0.5", "20"}, Check{"-1e-310", "20"},
                                           Check{"-5", "20"}, Check{"7", "20"}, Check{"19.9", "20"},
                                           Check{"1,000", "20"}, Check{"-1e400", "20"}));

INSTANTIATE_TEST_SUITE_P(InTheRange, IntervalCheckTest,
                         ::testing::Values(Check{"20", "20"}, Check{"250.9", "250"},
                                           Check{"1 000", "1000"}, Check{"300ms", "300"},
                                           Check{"2.5e2", "250"}, Check{"60000.7", "60000"},
                                           Check{"60000", "60000"}, Check{"1\t0\n00", "1000"},
                                           Check{" +500 ", "500"}, Check{"0250", "250"}));

INSTANTIATE_TEST_SUITE_P(AboveTheRange, IntervalCheckTest,
                         ::testing::Values(Check{"60001", "60000"}, Check{"1e6", "60000"},
                                           Check{"1e400", "60000"},
                                           Check{"99999999999999999999", "60000"},
                                           Check{"4294967296020", "60000"},
                                           Check{"65536", "60000"}));

class IntervalCheckSequenceTest : public MainTest {};

TEST_F(IntervalCheckSequenceTest, LeavingAnUntouchedBoxChangesNothing) {
    Start();
    Form().LeaveField(IntervalSetting);
    EXPECT_EQ(Interval(), "1000");
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(IntervalCheckSequenceTest, LeavingOtherControlsRunsNoCheck) {
    Start();
    Form().Type(IntervalSetting, "abc");
    Form().LeaveField(AutoRunSetting);
    Form().LeaveField(OKButton);
    EXPECT_EQ(Interval(), "abc");
}

TEST_F(IntervalCheckSequenceTest, ANewValueWaitsForApplyThenTakesEffect) {
    Start();
    Form().Type(IntervalSetting, "250");
    Form().LeaveField(IntervalSetting);
    EXPECT_EQ(Form().Timer().Interval(), 1000);
    EXPECT_TRUE(ApplyEnabled());

    Form().Click(ApplyButton);
    EXPECT_EQ(Form().Timer().Interval(), 250);
    EXPECT_EQ(Form().TimerDriver().period, 250u);
    EXPECT_TRUE(TimerOn());
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(IntervalCheckSequenceTest, ShowsNoWindowAndLeavesSettingsAlone) {
    Start();
    Form().Type(IntervalSetting, "5");
    Form().LeaveField(IntervalSetting);
    EXPECT_FALSE(Form().Visible());
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_TRUE(profile.writes.empty());
}

}  // namespace
}  // namespace keystead::app::testing
