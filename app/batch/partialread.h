// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace batch {

// How many characters of `text` the fields' rule (calc::Val) reads as its
// number: an optional sign, digits with at most one point, an exponent only
// with a digit. 0 when the text begins with no number (and reads as 0).
std::size_t numberLength(std::string_view text);

// The window shows a field beside its result; a table row does not. What the
// rule made of a cell it read only in part, or rounded to a whole number,
// as `Vp: letto 1.2 da "1.2.3"`; nothing when the cell was read as it
// stands. `decimal` is the table's decimal separator.
std::optional<std::string> readNotice(std::string_view column, std::string_view cell, char decimal, bool whole);

} // namespace batch
