#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "toolkit/NumberText.h"

namespace keystead::toolkit {
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

// Texts of every shape: sign, digit runs from short to past what decides the rounding,
// periods, exponents up to beyond a double both ways, blanks and stray characters.
std::string GeneratedText(std::mt19937_64& random) {
    auto pick = [&](int count) { return static_cast<int>(random() % unsigned(count)); };
    auto digits = [&](int count) {
        std::string run;
        for (int i = 0; i < count; ++i) {
            run += static_cast<char>('0' + pick(10));
        }
        return run;
    };
    if (pick(4) == 0) {  // anything at all from the characters a number is made of
        static constexpr char kAlphabet[] = "0123456789..eE+-  \tx";
        std::string text;
        for (int n = pick(24); n > 0; --n) {
            text += kAlphabet[pick(sizeof kAlphabet - 1)];
        }
        return text;
    }
    std::string text = pick(2) == 0 ? "" : pick(2) == 0 ? "-" : "+";
    const int length = pick(8) == 0 ? 790 + pick(30) : 1 + pick(25);
    text += digits(pick(3) == 0 ? 0 : pick(length + 1));
    text += ".";
    text += digits(length);
    text.insert(text.begin() + pick(3), ' ');
    if (pick(4) != 0) {
        text += pick(2) == 0 ? "e" : "E-";
        text += std::to_string(pick(2) == 0 ? pick(700) : 300 + pick(30));
    }
    return text + (pick(2) == 0 ? "x9" : "");
}

// What strtod reads from the text once its blanks are gone, up to the first 'x' (which no
// number here holds, and which strtod would take for hexadecimal after a 0).
double StrtodReading(const std::string& text) {
    std::string squeezed;
    for (char c : text) {
        if (c == 'x') {
            break;
        }
        if (c != ' ' && c != '\t' && c != '\n') {
            squeezed += c;
        }
    }
    char* end = nullptr;
    const double number = std::strtod(squeezed.c_str(), &end);
    return end == squeezed.c_str() ? 0.0 : number;
}

TEST(TextToNumberProperty, MatchesStrtodOnTheNumberTextItScanned) {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 20000; ++i) {
        const std::string text = GeneratedText(random);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(TextToNumber(text)),
                  std::bit_cast<std::uint64_t>(StrtodReading(text)))
            << '"' << text << '"';
    }
}

TEST(TextToNumberProperty, HalfwayBetweenTwoDoublesRoundsToEvenUnlessADigitFarOutSaysAbove) {
    std::mt19937_64 random(7);
    const std::string zeros(900, '0');
    for (int i = 0; i < 1000; ++i) {
        // Above 2^53 neighbouring doubles are whole numbers; their midpoint is one too.
        const double below =
            std::ldexp(double((random() >> 12) | std::uint64_t{1} << 52), 1 + int(random() % 10));
        const double above = std::nextafter(below, DBL_MAX);
        const auto midpoint =
            std::uint64_t(below) + (std::uint64_t(above) - std::uint64_t(below)) / 2;
        const double even = (std::bit_cast<std::uint64_t>(below) & 1) == 0 ? below : above;
        const std::string text = std::to_string(midpoint);
        EXPECT_EQ(TextToNumber(text), even) << text;
        EXPECT_EQ(TextToNumber(text + "." + zeros), even) << text;
        EXPECT_EQ(TextToNumber(text + "." + zeros + "1"), above) << text;
    }
}

TEST(IntegerTextProperty, WritesEveryDigitAsPrintfDoes) {
    std::mt19937_64 random(11);
    for (int i = 0; i < 2000; ++i) {
        const double whole = std::max(
            1.0, std::floor(std::ldexp(double(random() >> 11), int(random() % 1024) - 53)));
        char printed[400];
        std::snprintf(printed, sizeof printed, "%.0f", -whole);
        EXPECT_EQ(IntegerText(-whole), printed);
        EXPECT_EQ(TextToNumber(IntegerText(whole)), whole);
    }
}

TEST(IntegerTextTest, WritesPlainDigitsWithALeadingMinus) {
    EXPECT_EQ(IntegerText(0.0), "0");
    EXPECT_EQ(IntegerText(-0.0), "0");
    EXPECT_EQ(IntegerText(250.0), "250");
    EXPECT_EQ(IntegerText(-1.0), "-1");
    EXPECT_EQ(IntegerText(1e20), "100000000000000000000");
    EXPECT_EQ(IntegerText(-std::numeric_limits<double>::infinity()).substr(0, 12), "-17976931348");
}

TEST(NumberTextTest, KeepsWhatTheNumberIsReadFrom) {
    EXPECT_EQ(NumberText(" - 1 2.5e 3x"), "-12.5e3");
    EXPECT_EQ(NumberText("1e+"), "1");
    EXPECT_EQ(NumberText("+.5E-2.1"), "+.5E-2");
    EXPECT_EQ(NumberText("-."), "");
}

}  // namespace
}  // namespace keystead::toolkit
