// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/val.h"

#include "calc/ascii.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace calc {

namespace {

struct Number {
    std::size_t end = 0; // length of the number, 0 when there is none
    bool negative = false;
    // Decimal exponent of the leading non-zero digit, to tell an overflow
    // from an underflow when the value is out of a double's range.
    long long magnitude = 0;
};

struct Exponent {
    std::size_t end = 0; // where the exponent ends; where it began when there is none
    long long value = 0;
};

// An exponent counts only with at least one digit: "1e" and "1e+" are 1.
Exponent scanExponent(std::string_view s, std::size_t i)
{
    if (i >= s.size() || (s[i] != 'e' && s[i] != 'E')) {
        return {i, 0};
    }
    std::size_t j = i + 1;
    bool negative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
        negative = s[j] == '-';
        ++j;
    }
    long long exponent = 0;
    const std::size_t firstDigit = j;
    for (; j < s.size() && isAsciiDigit(s[j]); ++j) {
        // Saturate: only the sign of the magnitude matters beyond this.
        exponent = std::min(exponent * 10 + (s[j] - '0'), 1'000'000'000LL);
    }
    if (j == firstDigit) {
        return {i, 0};
    }
    return {j, negative ? -exponent : exponent};
}

struct Mantissa {
    std::size_t end = 0;
    std::size_t digits = 0;
    long long integerDigits = 0; // from the first non-zero digit on
    long long leadingFractionZeros = 0;
};

// Digits with at most one point, from `i`.
Mantissa scanMantissa(std::string_view s, std::size_t i)
{
    Mantissa m;
    bool point = false;
    bool seenNonZero = false;
    for (; i < s.size(); ++i) {
        if (isAsciiDigit(s[i])) {
            ++m.digits;
            seenNonZero = seenNonZero || s[i] != '0';
            if (!point && seenNonZero) {
                ++m.integerDigits;
            } else if (point && !seenNonZero) {
                ++m.leadingFractionZeros;
            }
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    m.end = i;
    return m;
}

Number scanNumber(std::string_view s)
{
    Number n;
    const bool sign = !s.empty() && (s[0] == '+' || s[0] == '-');
    n.negative = sign && s[0] == '-';
    const Mantissa m = scanMantissa(s, sign ? 1 : 0);
    if (m.digits == 0) {
        return {};
    }
    n.end = m.end;
    n.magnitude = m.integerDigits > 0 ? m.integerDigits - 1 : -m.leadingFractionZeros - 1;
    const auto [end, exponent] = scanExponent(s, m.end);
    if (end > m.end) {
        n.end = end;
        n.magnitude += exponent;
    }
    return n;
}

} // namespace

double Val(std::string_view text)
{
    return ValWithLength(text).value;
}

ValRead ValWithLength(std::string_view text)
{
    const Number n = scanNumber(text);
    if (n.end == 0) {
        return {};
    }
    // from_chars takes no leading plus and follows no locale.
    std::string_view digits = text.substr(0, n.end);
    if (digits[0] == '+' || digits[0] == '-') {
        digits.remove_prefix(1);
    }
    double value = 0;
    const auto [ptr, ec] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        value = n.magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc() || ptr != digits.data() + digits.size()) {
        value = 0;
    }
    return {n.negative ? -value : value, n.end};
}

} // namespace calc
