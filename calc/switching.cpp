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

// The plain walk: the first point within the tolerance, or -1.
template <class Value>
std::int32_t firstWithinTolerance(const Value& value, std::int32_t last)
{
    for (std::int32_t k = 0; k <= last; ++k) {
        if (std::abs(value(k)) <= SwitchTolerance) {
            return k;
        }
    }
    return -1;
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

// Both searched functions fall along their grids whenever the circuit is a
// circuit; a product R*omega*C or C*R beyond a double (infinite or zero)
// still leaves them falling, as an infinite or a vanishing term.
bool physical(const Module1Scalars& m)
{
    return m.f > 0 && m.omega > 0 && std::isfinite(m.omega) && m.R > 0 && m.C > 0 && m.N >= 1;
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
    const bool shaped = physical(*this);
    const std::int32_t k = shaped ? firstWithinToleranceOfDecreasing(value, last) : firstWithinTolerance(value, last);
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
    const bool shaped = physical(*this) && std::isfinite(std::cos(omega * t1));
    std::int32_t k = -1;
    if (shaped) {
        // Where the grid steps over the tolerance band, the first point at or
        // below the band is also the first where the generator has caught up
        // with the capacitor: the same point serves both rules.
        k = firstAtOrBelow(value, last, SwitchTolerance);
    } else {
        k = firstWithinTolerance(value, last);
        if (k < 0) {
            // A coarse grid can step over the band; the diode still switches
            // on where the generator overtakes the capacitor.
            for (std::int32_t j = 0; j <= last && k < 0; ++j) {
                if (value(j) <= 0) {
                    k = j;
                }
            }
        }
    }
    if (k >= 0) {
        t2 = switchGridTime(*this, k, 0.75 / f);
    }
}

} // namespace calc
