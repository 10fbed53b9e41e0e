#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "app/IntervalText.h"

namespace keystead::app {
namespace {

struct Reading {
    std::string text;
    double number;
};

std::ostream& operator<<(std::ostream& out, const Reading& reading) {
    return out << '"' << reading.text << "\" -> " << reading.number;
}

class TextToNumberTest : public ::testing::TestWithParam<Reading> {};

TEST_P(TextToNumberTest, ReadsTheNumberTheTextBeginsWith) {
    EXPECT_DOUBLE_EQ(TextToNumber(GetParam().text), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Sign, TextToNumberTest,
                         ::testing::Values(Reading{"+12", 12}, Reading{"-12", -12},
                                           Reading{"- 12", -12}, Reading{"--12", 0},
                                           Reading{"+-12", 0}, Reading{"-", 0}));

INSTANTIATE_TEST_SUITE_P(Period, TextToNumberTest,
                         ::testing::Values(Reading{".5", 0.5}, Reading{"-.25", -0.25},
                                           Reading{"5.", 5}, Reading{"5.x", 5},
                                           Reading{"1.2.3", 1.2}, Reading{".", 0}, Reading{"-.", 0},
                                           Reading{"007.50", 7.5}));

INSTANTIATE_TEST_SUITE_P(Exponent, TextToNumberTest,
                         ::testing::Values(Reading{"2.5e2", 250}, Reading{"1.5e+2", 150},
                                           Reading{"15e-1", 1.5}, Reading{"2E3", 2000},
                                           Reading{".5e1", 5}, Reading{"5.e1", 50},
                                           Reading{"1e", 1}, Reading{"1e+", 1}, Reading{"1e-", 1},
                                           Reading{"1ex", 1}, Reading{"1e2e3", 100},
                                           Reading{"1e2.5", 100}, Reading{"e5", 0}));

INSTANTIATE_TEST_SUITE_P(EndOfNumber, TextToNumberTest,
                         ::testing::Values(Reading{"1,000", 1}, Reading{"3,5", 3},
                                           Reading{"300ms", 300}, Reading{"12abc", 12},
                                           Reading{"1d2", 1}, Reading{"7$", 7},
                                           Reading{"1\r000", 1}, Reading{"42-1", 42}));

INSTANTIATE_TEST_SUITE_P(NoNumber, TextToNumberTest,
                         ::testing::Values(Reading{"", 0}, Reading{"abc", 0}, Reading{"$5", 0},
                                           Reading{",5", 0}, Reading{"   ", 0},
                                           Reading{"\t\n", 0}));

INSTANTIATE_TEST_SUITE_P(Blanks, TextToNumberTest,
                         ::testing::Values(Reading{"1 000", 1000}, Reading{"  250  ", 250},
                                           Reading{"1\t0\n00", 1000}, Reading{" 1 2 . 5 ", 12.5},
                                           Reading{"1 e 2", 100}, Reading{"2e - 1", 0.2},
                                           Reading{"\n-\t7", -7}));

TEST(TextToNumberBeyondDouble, HugeNumbersReadAsInfinityWithTheirSign) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TextToNumber("1e400"), kInfinity);
    EXPECT_EQ(TextToNumber("-1e400"), -kInfinity);
    EXPECT_EQ(TextToNumber("1e99999999999999999999"), kInfinity);
    EXPECT_EQ(TextToNumber(std::string(400, '9')), kInfinity);
}

TEST(TextToNumberBeyondDouble, TinyNumbersReadAsZero) {
    EXPECT_EQ(TextToNumber("1e-400"), 0.0);
    EXPECT_EQ(TextToNumber("1e-99999999999999999999"), 0.0);
}

TEST(TextToNumberBeyondDouble, LongDigitRunsStillRead) {
    EXPECT_DOUBLE_EQ(TextToNumber("99999999999999999999"), 1e20);
    EXPECT_DOUBLE_EQ(TextToNumber("0." + std::string(300, '0') + "1e301"), 1.0);
}

TEST(IntegerTextTest, WritesPlainDigitsWithALeadingMinus) {
    EXPECT_EQ(IntegerText(0.0), "0");
    EXPECT_EQ(IntegerText(-0.0), "0");
    EXPECT_EQ(IntegerText(250.0), "250");
    EXPECT_EQ(IntegerText(-1.0), "-1");
    EXPECT_EQ(IntegerText(1e20), "100000000000000000000");
}

}  // namespace
}  // namespace keystead::app
