// SPDX-License-Identifier: GPL-3.0-or-later
// The sample loop four samples at a time, with SLEEF's sin, cos and exp
// (1.0 ulp). Compiled with -mavx2 -mfma: VEX code throughout, whatever state
// the caller left the vector registers in.

#include "calc/sampleloop.h"
#include "calc/sampleloop_kernel.h"

#include <immintrin.h>
#include <sleef.h>

namespace calc {

namespace {

struct Avx2Lanes {
    using Values = __m256d;
    using Mask = __m256d;
    struct SinCos {
        Values sin;
        Values cos;
    };
    static constexpr int Width = 4;

    static Values all(double x) { return _mm256_set1_pd(x); }
    static Values indices(std::int32_t k) { return _mm256_add_pd(all(k), _mm256_setr_pd(0, 1, 2, 3)); }
    static Mask lessEqual(Values a, Values b) { return _mm256_cmp_pd(a, b, _CMP_LE_OQ); }
    static Mask less(Values a, Values b) { return _mm256_cmp_pd(a, b, _CMP_LT_OQ); }
    static Mask equal(Values a, Values b) { return _mm256_cmp_pd(a, b, _CMP_EQ_OQ); }
    static Mask both(Mask a, Mask b) { return _mm256_and_pd(a, b); }
    static Mask either(Mask a, Mask b) { return _mm256_or_pd(a, b); }
    static bool any(Mask mask) { return _mm256_movemask_pd(mask) != 0; }
    static Values where(Mask mask, Values x, Values otherwise) { return _mm256_blendv_pd(otherwise, x, mask); }
    static Values only(Mask mask, Values x) { return _mm256_and_pd(mask, x); }
    static Values abs(Values x) { return _mm256_andnot_pd(all(-0.0), x); }
    static Values fma(Values a, Values b, Values c) { return _mm256_fmadd_pd(a, b, c); }
    static SinCos sincos(Values x)
    {
        const Sleef___m256d_2 r = Sleef_sincosd4_u10avx2(x);
        return {r.x, r.y};
    }
    static Values exp(Values x) { return Sleef_expd4_u10avx2(x); }
    static void store(double* p, Values x, Mask mask, bool whole)
    {
        if (whole) {
            _mm256_storeu_pd(p, x);
        } else {
            _mm256_maskstore_pd(p, _mm256_castpd_si256(mask), x);
        }
    }
    static void storeLanes(double* p, Values x) { _mm256_storeu_pd(p, x); }
};

} // namespace

StretchMeasured sampleStretchAvx2(const SampleLoop& loop, std::int32_t first, std::int32_t last)
{
    return sampleStretchOf<Avx2Lanes>(loop, first, last);
}

} // namespace calc
