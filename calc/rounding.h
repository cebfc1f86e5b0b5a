// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace calc {

// To the nearest integer, halves to the even neighbour ("2.5" -> 2,
// "3.5" -> 4); empty when the result does not fit the type (an overflow).
std::optional<std::int32_t> roundToLong(double x);
std::optional<std::int16_t> roundToInteger(double x);

} // namespace calc
