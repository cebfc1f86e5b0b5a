// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/circuit.h"
#include "calc/module1.h"
#include "calc/sampleloop.h"
#include "tests/calc/simulated.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// The loop the program runs (vector lanes, stretches on threads) against the
// scalar one that processors without the lanes run.
TEST(SampleLoop, EachSampleWithinRoundingOfTheScalarLoop)
{
    testing::Test::RecordProperty("lanes", calc::bestSampleStretch() == calc::sampleStretch ? "scalar" : "vector");
    for (const auto& [Vp, C, R, N, stretches] :
         {std::tuple{10.0, 10e-6, 2000.0, 100'003, 3}, {-5.0, 1e-3, 100.0, 998, 2}, {10.0, 1e-9, 1e6, 6, 1}}) {
        calc::Module1 m = simulated(Vp, 50, C, R, N);
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
        EXPECT_NEAR(got.Vomax, want.Vomax, 1e-13 * std::abs(Vp));
        EXPECT_NEAR(got.SumVc, want.SumVc, 1e-13 * std::abs(want.SumVc));
    }
}

// Kirchhoff: id = C dVc/dt + Vc/R, by central differences. A conducting diode
// puts the generator on the load; a blocking one passes nothing. Vc never
// jumps. At f = 40.1 the last sample, N/(N f), would round past the period's
// end: it stands at t = T.
TEST(SampleLoop, SamplesFollowTheCircuit)
{
    const double Vp = 10;
    const calc::Module1 m = simulated(Vp, 40.1, 10e-6, 2000, 100'001);
    const double w = m.omega, h = w * m.dt;
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
    EXPECT_EQ(m.VoNoC[m.N], Vp);
    EXPECT_NEAR(m.id[m.N], Vp / m.R, 1e-12);
}

} // namespace
