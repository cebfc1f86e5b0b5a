// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/sampleloop.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include <cmath>

namespace calc {

namespace {

// The scans' comparisons, in their order: ties move to the later sample.
void measure(StretchMeasured& m, double i, double vc)
{
    if (std::abs(i) >= m.IdPicco) {
        m.IdPicco = std::abs(i);
    }
    if (std::abs(vc) >= m.Vomax) {
        m.Vomax = std::abs(vc);
    }
    if (std::abs(vc) <= m.Vomin) {
        m.Vomin = std::abs(vc);
    }
}

// This loop is legacy SSE code, and libm's cos, sin and exp are VEX code on
// a processor with AVX. When a caller left the upper halves of the vector
// registers in use, Intel processors make such code pay on every instruction
// (Skylake on) or on every switch between the two encodings (earlier ones).
// vzeroupper clears that state; it exists only with AVX, and without AVX
// nothing can leave the state in use. Every thread runs it for itself.
#if defined(__x86_64__)
__attribute__((target("avx"))) void clearUpperHalves()
{
    _mm256_zeroupper();
}

bool hasAvx()
{
    static const bool avx = __builtin_cpu_supports("avx") != 0;
    return avx;
}
#endif

} // namespace

StretchMeasured sampleStretch(const SampleLoop& loop, std::int32_t first, std::int32_t last)
{
#if defined(__x86_64__)
    if (hasAvx()) {
        clearUpperHalves();
    }
#endif
    const auto& [Vp, f, C, R, N, omega, dt, t1, t2, Vc, id, VoNoC] = loop;
    const double period = 1 / f;
    const double quarter = 1 / (f * 4);
    const double threeQuarters = 3 / (f * 4);
    const double chargeFactor = (-C) * omega * Vp;
    const double loadFactor = Vp / R;
    const double heldVoltage = Vp * std::cos(omega * t1);
    const double RC = R * C;
    const double perSecond = static_cast<double>(N) * f;

    StretchMeasured m;
    for (std::int32_t k = first; k <= last; ++k) {
        // Module1::sampleTime
        const double t = k == N ? period : k / perSecond;
        const bool conducting = (0 <= t && t <= t1) || (t2 < t && t <= period);
        const bool blocking = t1 < t && t <= t2;
        const bool generatorHigh = (0 <= t && t <= quarter) || (threeQuarters < t && t <= period);
        double vc = 0;
        double i = 0;
        double half = 0;
        if (conducting || generatorHigh) {
            const double x = omega * t;
            const double c = std::cos(x);
            if (conducting) {
                vc = Vp * c;
                i = chargeFactor * std::sin(x) + loadFactor * c;
            }
            if (generatorHigh) {
                half = Vp * c;
            }
        }
        if (blocking) {
            vc = heldVoltage * std::exp(-(t - t1) / RC);
        }
        Vc[k] = vc;
        id[k] = i;
        VoNoC[k] = half;

        measure(m, i, vc);
        if (k < N) {
            m.SumVc = dt * vc + m.SumVc;
        }
    }
    return m;
}

} // namespace calc
