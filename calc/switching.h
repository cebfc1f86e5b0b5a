#pragma once

// The two switching searches look over a grid of 10*N+1 points, 40 times
// finer than the samples. Both searched functions fall strictly over their
// quarter period for every circuit the buttons accept (f, R, C > 0, a grid
// within a double), also where R*omega*C or C*R lies beyond a double as an
// infinite or a vanishing term, so the first point at or below a bound is
// found by bisection: the point a walk over the whole grid would find.

#include <cstdint>

namespace calc {

struct Module1Scalars;

// How far from zero a searched value may lie and still count as the crossing.
inline constexpr double SwitchTolerance = 0.0001;

// Point k of the switch-off search: cos(omega*t) - R*omega*C*sin(omega*t).
double switchOffValue(const Module1Scalars& m, std::int32_t k);
// Point k of the switch-on search: capacitor voltage minus generator, over Vp.
double switchOnValue(const Module1Scalars& m, std::int32_t k);
// Time of point k of either grid (offset 0 or 0.75/f).
double switchGridTime(const Module1Scalars& m, std::int32_t k, double offset);

// First k in 0..last with value(k) <= bound for a value that decreases along k,
// or -1 when even the last point lies above the bound.
template <class Value>
std::int32_t firstAtOrBelow(const Value& value, std::int32_t last, double bound)
{
    if (last < 0 || !(value(last) <= bound)) {
        return -1;
    }
    std::int32_t lo = 0;
    std::int32_t hi = last;
    while (lo < hi) {
        const std::int32_t mid = lo + (hi - lo) / 2;
        if (value(mid) <= bound) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return lo;
}

} // namespace calc
