// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two switching searches look over a grid of 10*N+1 points, 40 times
// finer than the samples, for the first point where the searched expression
// has reached zero or fallen below it. A band around zero would not do: where
// the expression crosses slowly (a small ripple) the band starts far before
// the crossing, and where it crosses steeply a coarse grid steps over it.
// Both expressions fall strictly along their grids for every circuit the
// buttons accept (f, R, C > 0, a grid within a double), also where R*omega*C
// or C*R lies beyond a double, so bisection finds the point a walk over the
// whole grid would find.

#include <cstdint>

namespace calc {

struct Module1Scalars;

// Point k of the switch-off search: cos(omega*t) - R*omega*C*sin(omega*t),
// the diode current over its scale.
double switchOffValue(const Module1Scalars& m, std::int32_t k);
// Point k of the switch-on search: capacitor voltage minus generator, over Vp.
double switchOnValue(const Module1Scalars& m, std::int32_t k);
// Time of point k of either grid (offset 0 or 0.75/f).
double switchGridTime(const Module1Scalars& m, std::int32_t k, double offset);

// First k in 0..last with value(k) <= 0 for a value that falls along k; last
// when even that point lies above zero.
template <class Value>
std::int32_t firstAtOrBelowZero(const Value& value, std::int32_t last)
{
    std::int32_t lo = 0;
    std::int32_t hi = last;
    while (lo < hi) {
        const std::int32_t mid = lo + (hi - lo) / 2;
        if (value(mid) <= 0) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return lo;
}

} // namespace calc
