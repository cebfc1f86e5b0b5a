// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/switching.h"

#include "calc/module1.h"

#include <cmath>

namespace calc {

namespace {

// 10*N and 40*N stay within 32 bits because N <= Module1::MaxN.
std::int32_t searchLast(const Module1Scalars& m)
{
    return 10 * m.N;
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

// Where R*omega*C lies below the rounding of cos at T/4 the current never
// reaches zero on the grid: t1 is then T/4, the limit of a vanishing C.
void Module1::CalcT1()
{
    const auto value = [this](std::int32_t k) { return switchOffValue(*this, k); };
    t1 = switchGridTime(*this, firstAtOrBelowZero(value, searchLast(*this)), 0);
}

// At T the generator stands at Vp and the capacitor below it, so the search
// always ends on a crossing.
void Module1::CalcT2()
{
    const auto value = [this](std::int32_t k) { return switchOnValue(*this, k); };
    t2 = switchGridTime(*this, firstAtOrBelowZero(value, searchLast(*this)), 0.75 / f);
}

} // namespace calc
