// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sample loop, written once over a lane type L and compiled once for each
// instruction set: a lane is a sample, a comparison a lane mask, and a
// stretch advances L::Width samples at a time. Every function here is a
// template over L. Each vector L lives in the unnamed namespace of the file
// that compiles it, and the scalar one (scalarlanes.h) only in files for the
// base instruction set, so no copy made for one instruction set can be the
// one the linker keeps for another.
//
// A template rather than Highway's per-target dispatch: SLEEF gives sine and
// cosine in one call within 1.0 ulp, where Highway's Sin and Cos are separate
// calls within 3 ulp, and one translation unit per instruction set keeps the
// AVX2 unit VEX code only, immune to the AVX-SSE transition by construction.

#include "calc/sampleloop.h"

#include <cmath>
#include <concepts>
#include <cstdint>

namespace calc {

// What a lane type provides, for its Values and its Mask: indices(k) holds k,
// k + 1, ...; only(mask, x) is x or 0; fma(a, b, c) is a*b + c; store writes
// the lanes the mask holds, all of them when whole.
template <class L, class Values = typename L::Values, class Mask = typename L::Mask>
concept Lanes = requires(double x, std::int32_t k, double* p, Values v, Mask m, bool whole)
{
    requires std::convertible_to<decltype(L::Width), int>;
    requires std::same_as<decltype(L::all(x)), Values>;
    requires std::same_as<decltype(L::indices(k)), Values>;
    requires std::same_as<decltype(L::lessEqual(v, v)), Mask>;
    requires std::same_as<decltype(L::less(v, v)), Mask>;
    requires std::same_as<decltype(L::equal(v, v)), Mask>;
    requires std::same_as<decltype(L::both(m, m)), Mask>;
    requires std::same_as<decltype(L::either(m, m)), Mask>;
    requires std::same_as<decltype(L::any(m)), bool>;
    requires std::same_as<decltype(L::where(m, v, v)), Values>;
    requires std::same_as<decltype(L::only(m, v)), Values>;
    requires std::same_as<decltype(L::abs(v)), Values>;
    requires std::same_as<decltype(L::fma(v, v, v)), Values>;
    requires std::same_as<decltype(L::sincos(v).sin), Values>;
    requires std::same_as<decltype(L::sincos(v).cos), Values>;
    requires std::same_as<decltype(L::exp(v)), Values>;
    L::store(p, v, m, whole);
    L::storeLanes(p, v);
};

// The time of sample k of a period cut into N: k/(N*f), the product N*f
// formed first. The last sample stands at the end of the period, whatever
// k/(N*f) rounds to.
template <Lanes L>
struct SampleTimes {
    using Values = typename L::Values;

    double N;
    double period;
    double perSecond;

    static SampleTimes of(std::int32_t N, double f)
    {
        return {static_cast<double>(N), 1 / f, static_cast<double>(N) * f};
    }
    Values at(Values k) const { return L::where(L::equal(k, L::all(N)), L::all(period), k / L::all(perSecond)); }
};

// The peak current, the extremes of the load voltage's magnitude and the
// running sum for the mean, starting from values that any sample replaces.
template <Lanes L>
struct Measures {
    typename L::Values IdPicco = L::all(-Infinity);
    typename L::Values Vomax = L::all(-Infinity);
    typename L::Values Vomin = L::all(Infinity);
    typename L::Values SumVc = L::all(0);
};

// The scans' comparisons, on the lanes the mask holds: a tie moves to the
// later value, and a value that is not a number replaces none.
template <Lanes L>
void measure(Measures<L>& m, const Measures<L>& next, typename L::Mask counts)
{
    m.IdPicco = L::where(L::both(counts, L::lessEqual(m.IdPicco, next.IdPicco)), next.IdPicco, m.IdPicco);
    m.Vomax = L::where(L::both(counts, L::lessEqual(m.Vomax, next.Vomax)), next.Vomax, m.Vomax);
    m.Vomin = L::where(L::both(counts, L::lessEqual(next.Vomin, m.Vomin)), next.Vomin, m.Vomin);
}

template <Lanes L>
struct SampleValues {
    typename L::Values Vc;
    typename L::Values id;
    typename L::Values VoNoC;
};

// The circuit's closed forms over one period, their constants formed once.
template <Lanes L>
struct SampleModel {
    using Values = typename L::Values;
    using Mask = typename L::Mask;

    SampleTimes<L> times;
    double Vp, omega, t1, t2, quarter, threeQuarters, chargeFactor, loadFactor, heldVoltage, RC;

    explicit SampleModel(const SampleLoop& loop)
        : times(SampleTimes<L>::of(loop.N, loop.f)), Vp(loop.Vp), omega(loop.omega), t1(loop.t1), t2(loop.t2),
          quarter(1 / (loop.f * 4)), threeQuarters(3 / (loop.f * 4)), chargeFactor((-loop.C) * loop.omega * loop.Vp),
          loadFactor(loop.Vp / loop.R), heldVoltage(loop.Vp * std::cos(loop.omega * loop.t1)), RC(loop.R * loop.C)
    {
    }

    // a <= t <= b, and a < t <= b.
    static Mask closed(double a, Values t, double b)
    {
        return L::both(L::lessEqual(L::all(a), t), L::lessEqual(t, L::all(b)));
    }
    static Mask leftOpen(double a, Values t, double b)
    {
        return L::both(L::less(L::all(a), t), L::lessEqual(t, L::all(b)));
    }

    // The diode conducts from 0 to t1 and from t2 to the end of the period,
    // where the load follows the generator; between them the capacitor
    // discharges into R from what it held at t1. The half-wave is the
    // generator's where its cosine is not negative.
    SampleValues<L> at(Values t) const
    {
        const Mask conducting = L::either(closed(0, t, t1), leftOpen(t2, t, times.period));
        const Mask blocking = leftOpen(t1, t, t2);
        const Mask generatorHigh = L::either(closed(0, t, quarter), leftOpen(threeQuarters, t, times.period));
        SampleValues<L> s{L::all(0), L::all(0), L::all(0)};
        if (L::any(L::either(conducting, generatorHigh))) {
            const typename L::SinCos x = L::sincos(L::all(omega) * t);
            s.Vc = L::only(conducting, L::all(Vp) * x.cos);
            s.id = L::only(conducting, L::fma(L::all(chargeFactor), x.sin, L::all(loadFactor) * x.cos));
            s.VoNoC = L::only(generatorHigh, L::all(Vp) * x.cos);
        }
        if (L::any(blocking)) {
            // t1 - t, the exact negative of t - t1.
            s.Vc = L::where(blocking, L::all(heldVoltage) * L::exp((L::all(t1) - t) / L::all(RC)), s.Vc);
        }
        return s;
    }
};

template <Lanes L>
StretchMeasured lanesOf(const Measures<L>& m)
{
    StretchMeasured part{};
    part.lanes = L::Width;
    L::storeLanes(part.IdPicco, m.IdPicco);
    L::storeLanes(part.Vomax, m.Vomax);
    L::storeLanes(part.Vomin, m.Vomin);
    L::storeLanes(part.SumVc, m.SumVc);
    return part;
}

// Samples first .. last into the arrays, and what they measure. The sample at
// the end of the period repeats the one at its start: the sum counts it once.
template <Lanes L>
StretchMeasured sampleStretchOf(const SampleLoop& loop, std::int32_t first, std::int32_t last)
{
    static_assert(L::Width <= StretchMeasured::MaxLanes);
    using Values = typename L::Values;
    const SampleModel<L> model(loop);
    Measures<L> m;
    for (std::int32_t k = first; k <= last; k += L::Width) {
        const Values kk = L::indices(k);
        const typename L::Mask inStretch = L::lessEqual(kk, L::all(last));
        const SampleValues<L> s = model.at(model.times.at(kk));
        const bool whole = k + (L::Width - 1) <= last;
        L::store(loop.Vc + k, s.Vc, inStretch, whole);
        L::store(loop.id + k, s.id, inStretch, whole);
        L::store(loop.VoNoC + k, s.VoNoC, inStretch, whole);
        measure<L>(m, {L::abs(s.id), L::abs(s.Vc), L::abs(s.Vc)}, inStretch);
        const Values counted = L::only(L::both(inStretch, L::less(kk, L::all(loop.N))), s.Vc);
        m.SumVc = L::fma(L::all(loop.dt), counted, m.SumVc);
    }
    return lanesOf(m);
}

} // namespace calc
