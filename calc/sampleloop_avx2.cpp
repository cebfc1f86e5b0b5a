// SPDX-License-Identifier: GPL-3.0-or-later
// Compiled with -mavx2 -mfma: VEX code throughout, whatever state the caller
// left the vector registers in. The scalar loop of sampleloop_scalar.cpp four
// samples at a time, a lane a sample; a comparison is a lane mask.

#include "calc/sampleloop.h"

#include <immintrin.h>
#include <sleef.h>

#include <cmath>

namespace calc {

namespace {

using Lanes = __m256d;

Lanes all(double x)
{
    return _mm256_set1_pd(x);
}

Lanes lessEqual(Lanes a, Lanes b)
{
    return _mm256_cmp_pd(a, b, _CMP_LE_OQ);
}

Lanes less(Lanes a, Lanes b)
{
    return _mm256_cmp_pd(a, b, _CMP_LT_OQ);
}

Lanes both(Lanes a, Lanes b)
{
    return _mm256_and_pd(a, b);
}

Lanes either(Lanes a, Lanes b)
{
    return _mm256_or_pd(a, b);
}

bool any(Lanes mask)
{
    return _mm256_movemask_pd(mask) != 0;
}

Lanes abs(Lanes x)
{
    return _mm256_andnot_pd(all(-0.0), x);
}

// x where the mask is set, else m.
Lanes where(Lanes mask, Lanes x, Lanes m)
{
    return _mm256_blendv_pd(m, x, mask);
}

struct MeasuredLanes {
    Lanes IdPicco = all(-Infinity);
    Lanes Vomax = all(-Infinity);
    Lanes Vomin = all(Infinity);
    Lanes SumVc = all(0);
};

// sampleStretch's comparisons, lane by lane, on the samples of the stretch.
void measure(MeasuredLanes& m, Lanes i, Lanes vc, Lanes inStretch)
{
    m.IdPicco = where(both(inStretch, lessEqual(m.IdPicco, abs(i))), abs(i), m.IdPicco);
    m.Vomax = where(both(inStretch, lessEqual(m.Vomax, abs(vc))), abs(vc), m.Vomax);
    m.Vomin = where(both(inStretch, lessEqual(abs(vc), m.Vomin)), abs(vc), m.Vomin);
}

// The lanes in order, with the same comparisons and sum.
StretchMeasured combined(const MeasuredLanes& lanes)
{
    alignas(32) double IdPicco[4];
    alignas(32) double Vomax[4];
    alignas(32) double Vomin[4];
    alignas(32) double SumVc[4];
    _mm256_store_pd(IdPicco, lanes.IdPicco);
    _mm256_store_pd(Vomax, lanes.Vomax);
    _mm256_store_pd(Vomin, lanes.Vomin);
    _mm256_store_pd(SumVc, lanes.SumVc);
    StretchMeasured m;
    for (int lane = 0; lane < 4; ++lane) {
        if (IdPicco[lane] >= m.IdPicco) {
            m.IdPicco = IdPicco[lane];
        }
        if (Vomax[lane] >= m.Vomax) {
            m.Vomax = Vomax[lane];
        }
        if (Vomin[lane] <= m.Vomin) {
            m.Vomin = Vomin[lane];
        }
        m.SumVc += SumVc[lane];
    }
    return m;
}

void store(double* p, Lanes x, Lanes inStretch, bool whole)
{
    if (whole) {
        _mm256_storeu_pd(p, x);
    } else {
        _mm256_maskstore_pd(p, _mm256_castpd_si256(inStretch), x);
    }
}

} // namespace

StretchMeasured sampleStretchAvx2(const SampleLoop& loop, std::int32_t first, std::int32_t last)
{
    const auto& [Vp, f, C, R, N, omega, dt, t1, t2, Vc, id, VoNoC] = loop;
    const double period = 1 / f;
    const double quarter = 1 / (f * 4);
    const double threeQuarters = 3 / (f * 4);
    const double chargeFactor = (-C) * omega * Vp;
    const double loadFactor = Vp / R;
    const double heldVoltage = Vp * std::cos(omega * t1);
    const double RC = R * C;
    const double perSecond = static_cast<double>(N) * f;

    MeasuredLanes m;
    for (std::int32_t k = first; k <= last; k += 4) {
        const Lanes kk = _mm256_add_pd(all(static_cast<double>(k)), _mm256_setr_pd(0, 1, 2, 3));
        const Lanes inStretch = lessEqual(kk, all(last));
        const Lanes counted = less(kk, all(N));
        // Module1::sampleTime
        const Lanes t = where(_mm256_cmp_pd(kk, all(N), _CMP_EQ_OQ), all(period), _mm256_div_pd(kk, all(perSecond)));
        const Lanes conducting = either(both(lessEqual(all(0), t), lessEqual(t, all(t1))),
                                        both(less(all(t2), t), lessEqual(t, all(period))));
        const Lanes blocking = both(less(all(t1), t), lessEqual(t, all(t2)));
        const Lanes generatorHigh = either(both(lessEqual(all(0), t), lessEqual(t, all(quarter))),
                                           both(less(all(threeQuarters), t), lessEqual(t, all(period))));
        Lanes vc = all(0);
        Lanes i = all(0);
        Lanes half = all(0);
        if (any(either(conducting, generatorHigh))) {
            const Lanes x = _mm256_mul_pd(all(omega), t);
            const Sleef___m256d_2 sincos = Sleef_sincosd4_u10avx2(x);
            const Lanes c = sincos.y;
            vc = both(conducting, _mm256_mul_pd(all(Vp), c));
            i = both(conducting, _mm256_fmadd_pd(all(chargeFactor), sincos.x, _mm256_mul_pd(all(loadFactor), c)));
            half = both(generatorHigh, _mm256_mul_pd(all(Vp), c));
        }
        if (any(blocking)) {
            // t1 - t, the exact negative of t - t1.
            const Lanes exponent = _mm256_div_pd(_mm256_sub_pd(all(t1), t), all(RC));
            vc = where(blocking, _mm256_mul_pd(all(heldVoltage), Sleef_expd4_u10avx2(exponent)), vc);
        }
        const bool whole = k + 3 <= last;
        store(Vc + k, vc, inStretch, whole);
        store(id + k, i, inStretch, whole);
        store(VoNoC + k, half, inStretch, whole);

        measure(m, i, vc, inStretch);
        m.SumVc = _mm256_fmadd_pd(all(dt), both(both(inStretch, counted), vc), m.SumVc);
    }
    return combined(m);
}

} // namespace calc
