// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>

namespace batch {

// --progetto: each row with the columns VoDC [V], f [Hz], IoDC [mA] and
// Ripple [mV] is pressed through "Calcola" of "Progetto"; the row comes back
// followed by R [ohm], Vp [V], C [uF] and the refusal (Errore) the window
// would show. Returns the exit status.
int runDesign(std::istream& in, std::ostream& out, std::ostream& err);

} // namespace batch
