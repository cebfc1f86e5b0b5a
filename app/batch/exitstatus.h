// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace batch {

// What the shell learns from a run.
inline constexpr int Computed = 0;   // every row computed
inline constexpr int Refused = 1;    // some row refused; the others were written
inline constexpr int Unreadable = 2; // the input or the options would not do
inline constexpr int Unwritable = 2; // the output could not be written

} // namespace batch
