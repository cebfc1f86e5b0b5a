#include "calc/switching.h"

#include "calc/module1.h"

#include <cmath>

namespace calc {

namespace {

std::int32_t searchLast(const Module1Scalars& m)
{
    // 10*N and 40*N stay within a Long because N <= Module1::MaxN.
    return 10 * m.N;
}

// First point within the tolerance, found by bisection: every point before the
// first one at or below the tolerance lies above it, every point after lies
// further below it.
template <class Value>
std::int32_t firstWithinToleranceOfDecreasing(const Value& value, std::int32_t last)
{
    const std::int32_t k = firstAtOrBelow(value, last, SwitchTolerance);
    return k >= 0 && std::abs(value(k)) <= SwitchTolerance ? k : -1;
}

} // namespace

double switchGridTime(const Module1Scalars& m, std::int32_t k, double offset)
{
    return k / (static_cast<double>(40 * m.N) * m.f) + offset;
}

double switchOffValue(const Module1Scalars& m, std::int32_t k)
{
    const double t = switchGridTime(m, k, 0);
    return std::cos(m.omega * t) - m.R * m.omega * m.C * std::sin(m.omega * t);
}

double switchOnValue(const Module1Scalars& m, std::int32_t k)
{
    const double t = switchGridTime(m, k, 0.75 / m.f);
    return std::cos(m.omega * m.t1) * std::exp(-(t - m.t1) / (m.C * m.R)) - std::cos(m.omega * t);
}

void Module1::CalcT1()
{
    t1 = 0;
    const std::int32_t last = searchLast(*this);
    if (last < 0) {
        return;
    }
    const auto value = [this](std::int32_t k) { return switchOffValue(*this, k); };
    const std::int32_t k = firstWithinToleranceOfDecreasing(value, last);
    if (k >= 0) {
        t1 = switchGridTime(*this, k, 0);
    }
}

void Module1::CalcT2()
{
    t2 = 0;
    const std::int32_t last = searchLast(*this);
    if (last < 0) {
        return;
    }
    const auto value = [this](std::int32_t k) { return switchOnValue(*this, k); };
    // A coarse grid can step over the tolerance band; the diode still switches
    // on where the generator overtakes the capacitor. The first point at or
    // below the band is that point too, so one bisection serves both rules.
    const std::int32_t k = firstAtOrBelow(value, last, SwitchTolerance);
    if (k >= 0) {
        t2 = switchGridTime(*this, k, 0.75 / f);
    }
}

} // namespace calc
