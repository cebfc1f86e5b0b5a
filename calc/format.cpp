// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/format.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace calc {

namespace {

// to_chars is exact and locale-free; printf would follow the C locale, which
// Qt sets from the environment.
std::string toChars(double x, std::chars_format format)
{
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, format, 2);
    return {buffer.data(), result.ptr};
}

void useSeparator(std::string& s, char separator)
{
    std::replace(s.begin(), s.end(), '.', separator);
}

bool roundsToZero(const std::string& digits)
{
    return digits.find_first_not_of("-0.") == std::string::npos;
}

} // namespace

std::string formatScientific(double x, char separator)
{
    std::string s = toChars(x == 0 ? 0.0 : x, std::chars_format::scientific);
    const auto e = s.find('e');
    if (e != std::string::npos) {
        s[e] = 'E';
    }
    useSeparator(s, separator);
    return s;
}

std::string formatFixed(double x, char separator)
{
    std::string s = toChars(x, std::chars_format::fixed);
    if (s.front() == '-' && roundsToZero(s)) {
        s.erase(0, 1);
    }
    useSeparator(s, separator);
    return s;
}

} // namespace calc
