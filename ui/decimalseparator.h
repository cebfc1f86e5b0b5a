// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ui {

// The decimal separator of the user's regional settings (LC_NUMERIC, LANG).
// Separators beyond ASCII, as Arabic's, fall back to the point.
char decimalSeparator();

} // namespace ui
