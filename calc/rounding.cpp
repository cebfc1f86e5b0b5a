// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/rounding.h"

#include <cmath>
#include <limits>

namespace calc {

namespace {

double roundHalfEven(double x)
{
    const double below = std::floor(x);
    const double rest = x - below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0)) {
        return below + 1;
    }
    return below;
}

template <class Int>
std::optional<Int> roundTo(double x)
{
    const double r = roundHalfEven(x);
    if (!(r >= std::numeric_limits<Int>::min() && r <= std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(r);
}

} // namespace

std::optional<std::int32_t> roundToLong(double x)
{
    return roundTo<std::int32_t>(x);
}

std::optional<std::int16_t> roundToInteger(double x)
{
    return roundTo<std::int16_t>(x);
}

} // namespace calc
