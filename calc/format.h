// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace calc {

// "0.00E+00": one digit, the separator, two decimals, "E", the exponent's sign
// and at least two exponent digits. Zero is never signed.
std::string formatScientific(double x, char separator);

// "0.00": two decimals, no digit grouping; a value that rounds to zero is
// never signed.
std::string formatFixed(double x, char separator);

} // namespace calc
