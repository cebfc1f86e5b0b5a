// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace batch {

// The window shows a field beside its result; a table row does not. What the
// rule made of a cell it read only in part, or rounded to a whole number,
// as `Vp: letto 1.2 da "1.2.3"`, the value written as the sheet writes it;
// nothing when the cell was read as it stands or is refused. `decimal` is
// the table's decimal separator.
std::optional<std::string> readNotice(std::string_view column, std::string_view cell, char decimal, bool whole);

} // namespace batch
