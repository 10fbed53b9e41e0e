#include "toolkit/NumberText.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>


namespace keystead::toolkit {

namespace {

bool IsSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A whole number of any size, in 32-bit limbs, least significant first, without leading
// zero limbs. Just enough arithmetic to turn decimal text into the nearest double and a
// double into decimal text exactly, without the library's floating-point conversions (which
// would take a sixth of the executable).
class BigNumber {
public:
    explicit BigNumber(std::uint64_t value = 0) {
        for (; value != 0; value >>= 32) {
            limbs_.push_back(static_cast<std::uint32_t>(value));
        }
    }

    bool IsZero() const { return limbs_.empty(); }

    int BitLength() const {
        if (limbs_.empty()) {
            return 0;
        }
        return static_cast<int>(32 * (limbs_.size() - 1)) +
               static_cast<int>(std::bit_width(limbs_.back()));
    }

    // this = this * factor + addend
    void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
        std::uint64_t carry = addend;
        for (std::uint32_t& limb : limbs_) {
            carry += std::uint64_t{limb} * factor;
            limb = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(carry));
        }
    }

    void MultiplyByPowerOfTen(long long exponent) {
        for (; exponent >= 9; exponent -= 9) {
            MultiplyAdd(1000000000, 0);
        }
        for (; exponent > 0; --exponent) {
            MultiplyAdd(10, 0);
        }
    }

    // Divides in place and returns the remainder.
    std::uint32_t Divide(std::uint32_t divisor) {
        std::uint64_t remainder = 0;
        for (std::size_t i = limbs_.size(); i-- > 0;) {
            std::uint64_t current = (remainder << 32) | limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(current / divisor);
            remainder = current % divisor;
        }
        Trim();
        return static_cast<std::uint32_t>(remainder);
    }

    void ShiftLeft(int bits) {
        if (IsZero() || bits == 0) {
            return;
        }
        const int shift = bits % 32;
        std::vector<std::uint32_t> shifted(static_cast<std::size_t>(bits / 32), 0);
        std::uint32_t carry = 0;
        for (std::uint32_t limb : limbs_) {
            shifted.push_back(shift == 0 ? limb : (limb << shift) | carry);
            carry = shift == 0 ? 0 : limb >> (32 - shift);
        }
        if (carry != 0) {
            shifted.push_back(carry);
        }
        limbs_ = std::move(shifted);
    }

    void HalveDown() {
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            const std::uint32_t next = i + 1 < limbs_.size() ? limbs_[i + 1] : 0;
            limbs_[i] = (limbs_[i] >> 1) | (next << 31);
        }
        Trim();
    }

    bool operator>=(const BigNumber& other) const {
        if (limbs_.size() != other.limbs_.size()) {
            return limbs_.size() > other.limbs_.size();
        }
        for (std::size_t i = limbs_.size(); i-- > 0;) {
            if (limbs_[i] != other.limbs_[i]) {
                return limbs_[i] > other.limbs_[i];
            }
        }
        return true;
    }

    // this -= smaller, where smaller <= this
    void Subtract(const BigNumber& smaller) {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            std::int64_t difference = std::int64_t{limbs_[i]} - borrow -
                                      (i < smaller.limbs_.size() ? smaller.limbs_[i] : 0);
            borrow = difference < 0 ? 1 : 0;
            limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
        }
        Trim();
    }

private:
    void Trim() {
        while (!limbs_.empty() && limbs_.back() == 0) {
            limbs_.pop_back();
        }
    }

    std::vector<std::uint32_t> limbs_;
};

// Beyond any double either way: 1e309 overflows and 1e-325 is below half the smallest one.
constexpr long long kLargestDecimalExponent = 309;
constexpr long long kSmallestDecimalExponent = -325;
// Every double and every midpoint between two doubles has at most 767 significant digits,
// so digits past the 800th only tell whether the number lies a little above the ones kept.
constexpr std::size_t kSignificantDigits = 800;

// The double nearest to digits * 10^exponent (ties to even), for digits without leading
// zeros and at most kSignificantDigits + 1 long.
double NearestDouble(std::string_view digits, long long exponent) {
    const long long magnitude = static_cast<long long>(digits.size()) + exponent;
    if (magnitude - 1 > kLargestDecimalExponent) {
        return std::numeric_limits<double>::infinity();
    }
    if (magnitude < kSmallestDecimalExponent) {
        return 0.0;
    }

    // The number as the fraction numerator / denominator of whole numbers.
    BigNumber numerator;
    for (char digit : digits) {
        numerator.MultiplyAdd(10, static_cast<std::uint32_t>(digit - '0'));
    }
    BigNumber denominator(1);
    if (exponent >= 0) {
        numerator.MultiplyByPowerOfTen(exponent);
    } else {
        denominator.MultiplyByPowerOfTen(-exponent);
    }

    // Scale the fraction by 2^-binaryExponent so that its whole part has 55 or 56 bits:
    // more than the 53 a double keeps, so that the bits below decide the rounding.
    const int scale = 55 - (numerator.BitLength() - denominator.BitLength());
    if (scale >= 0) {
        numerator.ShiftLeft(scale);
    } else {
        denominator.ShiftLeft(-scale);
    }
    const int binaryExponent = -scale;
    std::uint64_t quotient = 0;
    denominator.ShiftLeft(55);
    for (int bit = 55; bit >= 0; --bit) {
        if (numerator >= denominator) {
            numerator.Subtract(denominator);
            quotient |= std::uint64_t{1} << bit;
        }
        denominator.HalveDown();
    }
    const bool inexact = !numerator.IsZero();

    // Drop the bits a double cannot keep: all but 53, and more below the normal range.
    const int topBit = static_cast<int>(std::bit_width(quotient)) - 1;
    int dropped = topBit - 52;
    const int leadingExponent = topBit + binaryExponent;
    if (leadingExponent < -1022) {
        dropped += -1022 - leadingExponent;
    }
    if (dropped > 56) {
        return 0.0;  // below half the smallest double
    }
    std::uint64_t mantissa = quotient >> dropped;
    const std::uint64_t rest = quotient & ((std::uint64_t{1} << dropped) - 1);
    const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
    if (rest > half || (rest == half && (inexact || (mantissa & 1) != 0))) {
        ++mantissa;
    }

    // Assemble the value mantissa * 2^unitExponent.
    int unitExponent = binaryExponent + dropped;
    if (mantissa == std::uint64_t{1} << 53) {
        mantissa >>= 1;
        ++unitExponent;
    }
    constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << 52;
    if (mantissa < kHiddenBit) {
        return std::bit_cast<double>(mantissa);  // below the normal range
    }
    const int biasedExponent = unitExponent + 52 + 1023;
    if (biasedExponent >= 2047) {
        return std::numeric_limits<double>::infinity();
    }
    return std::bit_cast<double>((std::uint64_t(biasedExponent) << 52) | (mantissa - kHiddenBit));
}

}  // namespace

std::string NumberText(std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (!IsSkipped(c)) {
            kept += c;
        }
    }

    // The longest prefix of the form [sign] digits [. digits] [e [sign] digits].
    std::size_t pos = 0;
    if (pos < kept.size() && (kept[pos] == '+' || kept[pos] == '-')) {
        ++pos;
    }
    bool seenPeriod = false;
    bool seenDigit = false;
    for (; pos < kept.size(); ++pos) {
        if (IsDigit(kept[pos])) {
            seenDigit = true;
        } else if (kept[pos] == '.' && !seenPeriod) {
            seenPeriod = true;
        } else {
            break;
        }
    }
    if (!seenDigit) {
        return "";
    }
    if (pos < kept.size() && (kept[pos] == 'e' || kept[pos] == 'E')) {
        std::size_t at = pos + 1;
        if (at < kept.size() && (kept[at] == '+' || kept[at] == '-')) {
            ++at;
        }
        if (at < kept.size() && IsDigit(kept[at])) {
            while (at < kept.size() && IsDigit(kept[at])) {
                ++at;
            }
            pos = at;
        }
    }
    kept.resize(pos);
    return kept;
}

double TextToNumber(std::string_view text) {
    const std::string number = NumberText(text);
    std::string_view rest = number;
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }

    // The significant digits, and the power of ten they are to be multiplied by.
    std::string digits;
    long long exponent = 0;
    bool inFraction = false;
    bool beyondKept = false;  // a non-zero digit past the kept ones
    while (!rest.empty() && rest.front() != 'e' && rest.front() != 'E') {
        const char c = rest.front();
        rest.remove_prefix(1);
        if (c == '.') {
            inFraction = true;
            continue;
        }
        if (inFraction) {
            --exponent;
        }
        if (digits.empty() && c == '0') {
            continue;
        }
        if (digits.size() < kSignificantDigits) {
            digits += c;
        } else {
            ++exponent;
            beyondKept = beyondKept || c != '0';
        }
    }
    if (beyondKept) {
        digits += '1';  // a little above the kept digits, and no closer to another double
        --exponent;
    }
    if (!rest.empty()) {  // the exponent's text: e [sign] digits
        rest.remove_prefix(1);
        const bool negativeExponent = rest.front() == '-';
        if (rest.front() == '+' || rest.front() == '-') {
            rest.remove_prefix(1);
        }
        long long typed = 0;
        for (char c : rest) {
            // Anything past this bound is beyond every double either way, whatever the
            // digits (a text as long as that cannot be typed).
            if (typed < 1000000000000) {
                typed = typed * 10 + (c - '0');
            }
        }
        exponent += negativeExponent ? -typed : typed;
    }

    const double value = digits.empty() ? 0.0 : NearestDouble(digits, exponent);
    return negative ? -value : value;
}

std::string IntegerText(double wholeNumber) {
    if (std::isinf(wholeNumber)) {
        wholeNumber = std::copysign(DBL_MAX, wholeNumber);  // still reads back as beyond range
    }
    const bool negative = wholeNumber < 0;
    const double magnitude = std::fabs(wholeNumber);
    constexpr double kTwoToThe63 = 9223372036854775808.0;
    if (magnitude < kTwoToThe63) {
        const auto whole = static_cast<std::uint64_t>(magnitude);
        return whole == 0 ? "0" : (negative ? "-" : "") + std::to_string(whole);
    }

    // Above 2^63 a double is its 53-bit mantissa times a power of two: exact in a BigNumber.
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int unitExponent = static_cast<int>(bits >> 52) - 1075;
    BigNumber number((bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52));
    number.ShiftLeft(unitExponent);
    std::string reversed;
    while (!number.IsZero()) {
        std::uint32_t group = number.Divide(1000000000);
        for (int i = 0; i < 9; ++i, group /= 10) {
            reversed += static_cast<char>('0' + group % 10);
        }
    }
    while (reversed.size() > 1 && reversed.back() == '0') {
        reversed.pop_back();
    }
    return (negative ? "-" : "") + std::string(reversed.rbegin(), reversed.rend());
}

}  // namespace keystead::toolkit
