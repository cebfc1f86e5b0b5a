// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>

namespace batch {

// --verifica: each row with the columns CircuitColumns (tables.h) is pressed
// through "Calcola" of "Verifica"; the row comes back followed by
// VerificationResultColumns, the warnings and the refusal the window would
// show. Returns the exit status.
int runVerification(std::istream& in, std::ostream& out, std::ostream& err);

} // namespace batch
