// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/circuit.h"
#include "calc/showmessage.h"

#include <string>

namespace calc {
struct Module1;
}

namespace graphs {

// "Grafico": the six fields, their conversion with Np rounded to 16 bits,
// the time-constant warning, then CalcWaveforms and the four scans
// of the verification.
// True when the graph is to be drawn from the module; false when a field was
// refused (its message shown), and then the module is as it was.
bool Command2_Click(calc::Module1& m, const calc::CircuitTexts& texts, const std::string& periods,
                    const calc::ShowMessage& show);

} // namespace graphs
