// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/circuit.h"
#include "calc/module1.h"
#include "calc/sampleloop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

calc::Module1 simulated(double Vp, double f, double CuF, double R, int N)
{
    calc::Module1 m;
    m.Vp = Vp;
    m.f = f;
    m.C = CuF * 1e-6;
    m.R = R;
    m.N = N;
    m.omega = m.f * calc::TwoPi;
    m.dt = 1 / (N * m.f);
    m.CalcWaveforms();
    return m;
}

// The loop the program runs (vector lanes where the processor has them, in
// stretches on threads) against the scalar one on libm.
TEST(SampleLoop, EachSampleWithinRoundingOfTheScalarLoop)
{
#if defined(__aarch64__)
    EXPECT_NE(calc::bestSampleStretch(), calc::sampleStretch);
#elif defined(__x86_64__)
    const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    EXPECT_EQ(calc::bestSampleStretch() != calc::sampleStretch, avx2);
#endif
    struct Row {
        double Vp, CuF, R;
        int N, stretches;
    };
    for (const auto& [Vp, CuF, R, N, stretches] :
         {Row{10, 10, 2000, 100'003, 3}, Row{-5, 1000, 100, 998, 2}, Row{10, 1e-3, 1e6, 6, 1}}) {
        calc::Module1 m = simulated(Vp, 50, CuF, R, N);
        calc::Module1 s = m;
        const calc::Measured got = runSampleLoop(sampleLoopOf(m), calc::bestSampleStretch(), stretches, 2);
        const calc::Measured want = runSampleLoop(sampleLoopOf(s), calc::sampleStretch, 1, 1);
        for (const auto& [a, b] : {std::pair{&m.Vc, &s.Vc}, {&m.id, &s.id}, {&m.VoNoC, &s.VoNoC}}) {
            const double largest = std::abs(*std::ranges::max_element(*b, {}, [](double x) { return std::abs(x); }));
            for (int k = 0; k <= N + 1; ++k) {
                ASSERT_NEAR((*a)[k], (*b)[k], 1e-13 * largest) << "N " << N << ", k " << k;
            }
        }
        EXPECT_NEAR(got.IdPicco, want.IdPicco, 1e-13 * want.IdPicco);
        EXPECT_NEAR(got.Vomin, want.Vomin, 1e-13 * std::abs(Vp));
        EXPECT_NEAR(got.SumVc, want.SumVc, 1e-13 * std::abs(want.SumVc));
    }
}

// The program's loop against the circuit. Kirchhoff: the diode feeds C and R,
// id = C dVc/dt + Vc/R, the derivative by central differences. While the diode
// conducts the load is the generator; while it blocks no current flows. The
// capacitor's voltage never jumps. At f = 40.1 the last sample, N/(N f), would
// round past the period's end.
TEST(SampleLoop, SamplesFollowTheCircuit)
{
    const double Vp = 10;
    const calc::Module1 m = simulated(Vp, 40.1, 10, 2000, 100'001);
    const double w = m.omega, h = w * m.dt, RC = m.R * m.C;
    const double Ipeak = Vp * (1 / m.R + m.C * w);
    for (int k = 1; k < m.N; ++k) {
        const double t = k * m.dt, generator = Vp * std::cos(w * t);
        const auto conducts = [&](int j) { return j * m.dt <= m.t1 || j * m.dt > m.t2; };
        ASSERT_LE(std::abs(m.Vc[k + 1] - m.Vc[k]), 2 * h * Vp) << k;
        ASSERT_NEAR(m.VoNoC[k], std::max(generator, 0.0), 1e-12 * Vp) << k;
        ASSERT_NEAR(conducts(k) ? m.Vc[k] : m.id[k], conducts(k) ? generator : 0, 1e-12 * Vp) << k;
        if (conducts(k - 1) == conducts(k + 1)) {
            const double kirchhoff = m.C * (m.Vc[k + 1] - m.Vc[k - 1]) / (2 * m.dt) + m.Vc[k] / m.R;
            ASSERT_NEAR(m.id[k], kirchhoff, 1e-8 * Ipeak) << k;
        }
    }
    EXPECT_EQ(m.sampleTime(m.N), 1 / m.f);
    EXPECT_EQ(m.Vc[m.N], Vp);
    // The peak at t = 0, the smallest voltage and the largest current where the
    // diode switches on again, the mean by integrating the closed forms.
    calc::Module1 s = m;
    s.CalcVomax();
    s.CalcVomin();
    s.CalcIdPicco();
    s.CalcVoDC();
    const double held = Vp * std::cos(w * m.t1), lowest = held * std::exp(-(m.t2 - m.t1) / RC);
    EXPECT_EQ(s.Vomax, Vp);
    EXPECT_NEAR(s.Vomin, lowest, h * Vp);
    EXPECT_NEAR(s.IdPicco, Vp * (std::cos(w * m.t2) / m.R - m.C * w * std::sin(w * m.t2)), 1e-4 * s.IdPicco);
    const double area = Vp * (std::sin(w * m.t1) - std::sin(w * m.t2)) / w + held * RC * (1 - lowest / held);
    EXPECT_NEAR(s.VoDC, m.f * area, 1e-8 * Vp);
}

} // namespace
