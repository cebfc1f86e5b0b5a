// SPDX-License-Identifier: GPL-3.0-or-later
// The sample loop two samples at a time, with SLEEF's sin, cos and exp
// (1.0 ulp). AdvSIMD is part of every arm64 processor.

#include "calc/sampleloop.h"
#include "calc/sampleloop_kernel.h"

#include <arm_neon.h>
#include <sleef.h>

namespace calc {

namespace {

struct AdvSimdLanes {
    using Values = float64x2_t;
    using Mask = uint64x2_t;
    struct SinCos {
        Values sin;
        Values cos;
    };
    static constexpr int Width = 2;

    static Values all(double x) { return vdupq_n_f64(x); }
    static Values indices(std::int32_t k) { return vaddq_f64(all(k), Values{0, 1}); }
    static Mask lessEqual(Values a, Values b) { return vcleq_f64(a, b); }
    static Mask less(Values a, Values b) { return vcltq_f64(a, b); }
    static Mask equal(Values a, Values b) { return vceqq_f64(a, b); }
    static Mask both(Mask a, Mask b) { return vandq_u64(a, b); }
    static Mask either(Mask a, Mask b) { return vorrq_u64(a, b); }
    static bool any(Mask mask) { return vmaxvq_u32(vreinterpretq_u32_u64(mask)) != 0; }
    static Values where(Mask mask, Values x, Values otherwise) { return vbslq_f64(mask, x, otherwise); }
    static Values only(Mask mask, Values x) { return vreinterpretq_f64_u64(vandq_u64(mask, vreinterpretq_u64_f64(x))); }
    static Values abs(Values x) { return vabsq_f64(x); }
    static Values fma(Values a, Values b, Values c) { return vfmaq_f64(c, a, b); }
    static SinCos sincos(Values x)
    {
        const Sleef_float64x2_t_2 r = Sleef_sincosd2_u10advsimd(x);
        return {r.x, r.y};
    }
    static Values exp(Values x) { return Sleef_expd2_u10advsimd(x); }
    // A stretch that is not whole holds only its first lane.
    static void store(double* p, Values x, Mask /*mask*/, bool whole)
    {
        if (whole) {
            vst1q_f64(p, x);
        } else {
            vst1q_lane_f64(p, x, 0);
        }
    }
    static void storeLanes(double* p, Values x) { vst1q_f64(p, x); }
};

} // namespace

StretchMeasured sampleStretchAdvSimd(const SampleLoop& loop, std::int32_t first, std::int32_t last)
{
    return sampleStretchOf<AdvSimdLanes>(loop, first, last);
}

} // namespace calc
