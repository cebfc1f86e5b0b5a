// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/batch/csvreader.h"

#include <optional>
#include <string>
#include <string_view>

namespace batch {

// The window shows a field beside its result; a table row does not. What the
// rule made of a cell it read only in part, or rounded to a whole number,
// as `Vp: letto 1.2 da "1.2.3"`, the value written as the sheet writes it;
// nothing when the cell was read as it stands or is refused. A tab sheet
// comes from spreadsheets under any settings, where 12.500 may mean 12.5: a
// point of its cell read as grouping thousands is said too, as
// `Vp: letto 12500 da "12.500"`.
std::optional<std::string> readNotice(std::string_view column, std::string_view cell, const Dialect& dialect,
                                      bool whole);

} // namespace batch
