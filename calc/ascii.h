// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <string_view>

namespace calc {

// Digits and letters as numbers, column names and file extensions write
// them: ASCII only, whatever the locale, which would let std::isdigit and
// std::tolower take in other characters.
constexpr bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Equal but for the case of ASCII letters.
constexpr bool equalIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

} // namespace calc
