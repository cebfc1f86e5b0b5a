// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/circuit.h"
#include "calc/module1.h"
#include "calc/sampleloop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// The loop the program runs (AVX2 and SLEEF where the processor has them, in
// stretches on threads) against the scalar one on libm.
TEST(SampleLoop, EachSampleWithinRoundingOfTheScalarLoop)
{
    struct Row {
        double Vp, CuF, R;
        int N, stretches;
    };
    for (const auto& [Vp, CuF, R, N, stretches] :
         {Row{10, 10, 2000, 100'003, 3}, Row{-5, 1000, 100, 998, 2}, Row{10, 1e-3, 1e6, 6, 1}}) {
        calc::Module1 m;
        m.Vp = Vp;
        m.f = 50;
        m.C = CuF * 1e-6;
        m.R = R;
        m.N = N;
        m.omega = m.f * calc::TwoPi;
        m.dt = 1 / (N * m.f);
        m.CalcWaveforms();
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

} // namespace
