#include "calc/circuit.h"
#include "calc/module1.h"
#include "calc/verification.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Circuit {
    double Vp = 10;
    double f = 50;
    double CuF = 10;
    double R = 2000;
    int N = 10000;
};

calc::Module1 circuit(const Circuit& c)
{
    calc::Module1 m;
    m.Vp = c.Vp;
    m.f = c.f;
    m.C = c.CuF * 1e-6;
    m.R = c.R;
    m.N = c.N;
    m.omega = c.f * calc::TwoPi;
    m.dt = 1 / (static_cast<double>(m.N) * m.f);
    return m;
}

calc::Module1 simulated(const Circuit& c)
{
    calc::Module1 m = circuit(c);
    m.CalcWaveforms();
    m.CalcIdPicco();
    m.CalcVomin();
    m.CalcVomax();
    m.CalcVoDC();
    return m;
}

TEST(Simulation, DefaultCircuitSwitchesOnTheGridPointAfterEachCrossing)
{
    const calc::Module1 m = simulated({});
    // The continuous instants are 0.000502392 s and 0.016466345 s.
    EXPECT_EQ(m.t1, 10048 / (400000.0 * 50));
    EXPECT_EQ(m.t2, 29327 / (400000.0 * 50) + 0.75 / 50);
    ASSERT_EQ(m.Vc.size(), 10002u);
    EXPECT_EQ(m.Vc[10001] + m.id[10001] + m.VoNoC[10001], 0);
    // Conducting at both ends of the period, blocking and discharging between.
    EXPECT_EQ(m.Vc[0], 10);
    EXPECT_EQ(m.Vc[10000], 10);
    EXPECT_NEAR(m.id[0], 10 / 2000.0, 1e-15);
    EXPECT_EQ(m.id[5000], 0);
    EXPECT_NEAR(m.Vc[5000], 10 * std::cos(calc::TwoPi * 50 * m.t1) * std::exp(-(0.01 - m.t1) / 0.02), 1e-12);
}

// Two sets of arrays at the largest N do not fit in 2.2 GB of address space;
// one does, so every press must still succeed there.
TEST(Simulation, LargestNRunsAgainWhereTwoSetsOfArraysDoNotFit)
{
    if (std::getenv("RADDRIZZATORE_ADDRESS_LIMIT") == nullptr) {
        GTEST_SKIP() << "runs under ulimit -v, from its own CTest entry";
    }
    calc::Module1 m;
    for (int press = 0; press < 3; ++press) {
        const auto shown = calc::Command1_Click(m, {.N = "53687091"}, '.', [](calc::Severity, const std::string&) {});
        ASSERT_TRUE(shown) << "press " << press;
        EXPECT_EQ(shown->Ripple, "5.55E+03");
    }
    // A refused press lets go of its trial and gets the arrays on show back.
    const double before = m.Vc[m.N / 2];
    calc::Module1 trial = m.trial();
    trial.R = 1000;
    ASSERT_TRUE(m.simulate(trial));
    m.discard(std::move(trial));
    EXPECT_EQ(m.Vc[m.N / 2], before);
    EXPECT_EQ(m.Vc.size(), static_cast<std::size_t>(m.N) + 2);
}

} // namespace
