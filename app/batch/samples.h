// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>

namespace batch {

// --campioni: from one row with the columns CircuitColumns (tables.h), the
// N + 1 samples of the simulated period in SampleColumns, each number in the
// shortest form that reads back to the same double. Streams through a fixed
// buffer: nothing grows with N but the simulation's own arrays. The warning
// and a refusal go to `err`. Returns the exit status.
int runSamples(std::istream& in, std::ostream& out, std::ostream& err);

} // namespace batch
