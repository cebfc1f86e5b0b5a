// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/showmessage.h"

#include <string>
#include <string_view>

namespace batch {

// A cell as the window's field would hold it. Where the sheet's decimal
// separator is the comma, a point only groups thousands (2.000 is 2000,
// 1.000,5 is 1000.5: groups of three digits after a first digit other than
// 0); those points are dropped and the comma becomes the window's point. Any
// other point there (1.5, 2.00) is no number of the sheet: the text then
// holds a comma, which the field's rule refuses with its own message. With a
// decimal point the cell is the field's text as it stands.
std::string windowText(std::string_view cell, char decimal);

// Passes the press's messages on to `show`; in a sheet with decimal commas a
// refused number's message, the window's word for word, is followed by how
// that sheet writes numbers.
calc::ShowMessage inSheet(char decimal, calc::ShowMessage show);

} // namespace batch
