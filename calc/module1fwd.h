// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculation state's parts by name only, for headers that take them by
// reference (see calc/module1.h).

namespace calc {
struct CircuitParameters;
struct Module1Scalars;
struct SampleArrays;
struct Module1;
} // namespace calc
