#include "app/IntervalText.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "toolkit/Timer.h"

namespace keystead::app {

namespace {

bool IsSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

double TextToNumber(std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (!IsSkipped(c)) {
            kept += c;
        }
    }

    // The longest prefix of the form [sign] digits [. digits] [e [sign] digits].
    std::size_t pos = 0;
    bool negative = false;
    if (pos < kept.size() && (kept[pos] == '+' || kept[pos] == '-')) {
        negative = kept[pos] == '-';
        ++pos;
    }
    std::string mantissa;
    int integerDigits = 0;  // significant digits before the period, for overflow
    bool seenPeriod = false;
    bool seenDigit = false;
    for (; pos < kept.size(); ++pos) {
        char c = kept[pos];
        if (IsDigit(c)) {
            seenDigit = true;
            if (!seenPeriod && (integerDigits > 0 || c != '0')) {
                ++integerDigits;
            }
            mantissa += c;
        } else if (c == '.' && !seenPeriod) {
            seenPeriod = true;
            mantissa += c;
        } else {
            break;
        }
    }
    if (!seenDigit) {
        return 0.0;
    }
    long long exponent = 0;
    if (pos < kept.size() && (kept[pos] == 'e' || kept[pos] == 'E')) {
        std::size_t at = pos + 1;
        bool negativeExponent = false;
        if (at < kept.size() && (kept[at] == '+' || kept[at] == '-')) {
            negativeExponent = kept[at] == '-';
            ++at;
        }
        if (at < kept.size() && IsDigit(kept[at])) {
            for (; at < kept.size() && IsDigit(kept[at]); ++at) {
                // Anything past this bound is beyond every double either way.
                if (exponent < 100000) {
                    exponent = exponent * 10 + (kept[at] - '0');
                }
            }
            if (negativeExponent) {
                exponent = -exponent;
            }
        }
    }

    std::string number = mantissa + "e" + std::to_string(exponent);
    double value = 0.0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        bool tooLarge = integerDigits + exponent > 0;
        value = tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::string IntegerText(double wholeNumber) {
    if (std::isinf(wholeNumber)) {
        wholeNumber = std::copysign(DBL_MAX, wholeNumber);  // still reads back as beyond range
    }
    if (wholeNumber == 0.0) {
        wholeNumber = 0.0;  // no "-0"
    }
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", wholeNumber);
    return buffer;
}

std::string RangeCorrectedInterval(const std::string& text) {
    double value = TextToNumber(text);
    if (value == 0.0) {
        return std::to_string(toolkit::Timer::kDefaultInterval);
    }
    if (value < kMinInterval) {
        return std::to_string(kMinInterval);
    }
    if (value > kMaxInterval) {
        return std::to_string(kMaxInterval);
    }
    return text;
}

}  // namespace keystead::app
