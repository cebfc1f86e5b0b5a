// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/module1.h"

// The state on show is the same: every scalar, every sample, and which
// simulation they are.
inline bool sameState(const calc::Module1& a, const calc::Module1& b)
{
    using Scalars = calc::Module1Scalars;
    using Arrays = calc::SampleArrays;
    return static_cast<const Scalars&>(a) == static_cast<const Scalars&>(b) &&
           static_cast<const Arrays&>(a) == static_cast<const Arrays&>(b) && a.generation == b.generation;
}
