// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>

namespace batch {

// --progetto: each row with the columns DesignColumns (tables.h) is pressed
// through "Calcola" of "Progetto"; the row comes back followed by
// DesignResultColumns, the warnings and the refusal the window would show.
// Returns the exit status.
int runDesign(std::istream& in, std::ostream& out, std::ostream& err);

} // namespace batch
