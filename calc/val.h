// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace calc {

// The number a field's text begins with: an optional sign, digits with at most
// one point, an optional exponent; 0 when the text begins with none. The point
// is the separator whatever the user's regional settings. A number beyond the
// range of a double gives an infinity, one too small for it gives 0.
double Val(std::string_view text);

// Val's value, and how many characters of `text` it read, as std::from_chars
// reports them: 0 when the text begins with no number.
struct ValRead {
    double value = 0;
    std::size_t length = 0;
};
ValRead ValWithLength(std::string_view text);

} // namespace calc
