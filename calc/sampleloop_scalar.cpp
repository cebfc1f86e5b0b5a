// SPDX-License-Identifier: GPL-3.0-or-later
// The sample loop one sample at a time on libm: the reference, and the loop
// of every processor without vector lanes of its own. Everything that
// measures or times a single sample outside the loop goes through the same
// lanes, so the tables and the combined figures follow the loop's rules.

#include "calc/module1.h"
#include "calc/sampleloop.h"
#include "calc/sampleloop_kernel.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include <cmath>

namespace calc {

namespace {

struct ScalarLanes {
    using Values = double;
    using Mask = bool;
    struct SinCos {
        Values sin;
        Values cos;
    };
    static constexpr int Width = 1;

    static double all(double x) { return x; }
    static double indices(std::int32_t k) { return k; }
    static bool lessEqual(double a, double b) { return a <= b; }
    static bool less(double a, double b) { return a < b; }
    static bool equal(double a, double b) { return a == b; }
    static bool both(bool a, bool b) { return a && b; }
    static bool either(bool a, bool b) { return a || b; }
    static bool any(bool mask) { return mask; }
    static double where(bool mask, double x, double otherwise) { return mask ? x : otherwise; }
    static double only(bool mask, double x) { return mask ? x : 0; }
    static double abs(double x) { return std::abs(x); }
    // As written: fused where the base instruction set has FMA, while std::fma
    // would be a library call where it has not.
    static double fma(double a, double b, double c) { return a * b + c; }
    static SinCos sincos(double x) { return {std::sin(x), std::cos(x)}; }
    static double exp(double x) { return std::exp(x); }
    static void store(double* p, double x, bool /*mask*/, bool /*whole*/) { *p = x; }
    static void storeLanes(double* p, double x) { *p = x; }
};

#if defined(__x86_64__)
// This loop is legacy SSE code, and libm's cos, sin and exp are VEX code on
// a processor with AVX. When a caller left the upper halves of the vector
// registers in use, Intel processors make such code pay on every instruction
// (Skylake on) or on every switch between the two encodings (earlier ones).
// vzeroupper clears that state; it exists only with AVX, and without AVX
// nothing can leave the state in use. Every thread runs it for itself.
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
    return sampleStretchOf<ScalarLanes>(loop, first, last);
}

Measured combined(const SampleLoop& loop, std::span<const StretchMeasured> parts)
{
    const double Vc0 = std::abs(loop.Vc[0]);
    Measures<ScalarLanes> m{std::abs(loop.id[0]), Vc0, Vc0, 0};
    for (const StretchMeasured& part : parts) {
        double sum = 0;
        for (int lane = 0; lane < part.lanes; ++lane) {
            measure<ScalarLanes>(m, {part.IdPicco[lane], part.Vomax[lane], part.Vomin[lane]}, true);
            sum += part.SumVc[lane];
        }
        m.SumVc += sum;
    }
    return {m.IdPicco, m.Vomax, m.Vomin, m.SumVc};
}

double Module1::sampleTime(std::int32_t k) const
{
    return SampleTimes<ScalarLanes>::of(N, f).at(k);
}

} // namespace calc
