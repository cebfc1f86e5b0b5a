#include "calc/circuit.h"
#include "calc/module1.h"

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

calc::Module1 simulated(const Circuit& c)
{
    calc::Module1 m;
    m.Vp = c.Vp;
    m.f = c.f;
    m.C = c.CuF * 1e-6;
    m.R = c.R;
    m.N = c.N;
    m.omega = c.f * calc::TwoPi;
    m.dt = 1 / (static_cast<double>(m.N) * m.f);
    m.CalcWaveforms();
    m.CalcIdPicco();
    m.CalcVomin();
    m.CalcVomax();
    m.CalcVoDC();
    return m;
}

TEST(Simulation, DefaultCircuitSwitchesOnItsGridPointsAndMeasures)
{
    const calc::Module1 m = simulated({});
    EXPECT_EQ(m.t1, 10047 / (400000.0 * 50));
    EXPECT_EQ(m.t2, 29321 / (400000.0 * 50) + 0.75 / 50);
    EXPECT_NEAR(m.t1, 0.00050235, 1e-15);
    EXPECT_NEAR(m.t2, 0.01646605, 1e-15);
    EXPECT_NEAR(m.IdPicco, 0.030359, 5e-7);
    EXPECT_EQ(m.Vomax, 10);
    EXPECT_NEAR(m.Vomin, 4.4455, 5e-5);
    // One period of samples, the end counted once: 7.1071 less Vc(T)/N.
    EXPECT_NEAR(m.VoDC, 7.1061, 5e-5);
    ASSERT_EQ(m.Vc.size(), 10002u);
    EXPECT_EQ(m.Vc[10001], 0);
    EXPECT_EQ(m.id[10001], 0);
    EXPECT_EQ(m.VoNoC[10001], 0);
    // Blocking between the instants, conducting at both ends.
    EXPECT_EQ(m.id[5000], 0);
    EXPECT_EQ(m.Vc[0], 10);
    EXPECT_EQ(m.Vc[10000], 10);
    EXPECT_EQ(m.VoNoC[5000], 0);
}

TEST(Simulation, LastSampleStandsAtTheEndOfThePeriod)
{
    // 10000/(10000*40.1) rounds above 1/40.1; the sample must still count.
    const calc::Module1 m = simulated({.f = 40.1});
    EXPECT_NE(m.Vc[m.N], 0);
    EXPECT_NE(m.VoNoC[m.N], 0);
    EXPECT_NEAR((m.Vomax - m.Vomin) * 1000, 6290, 5);
}

TEST(Simulation, CoarseGridStillFindsTheSwitchOn)
{
    // With N = 100 no search point falls within the tolerance; the diode
    // must still switch on where the generator overtakes the capacitor.
    const calc::Module1 m = simulated({.N = 100});
    EXPECT_EQ(m.t1, 0);
    EXPECT_GT(m.t2, 0.015);
    EXPECT_LT(m.t2, 0.02);
    EXPECT_GT(m.Vomin, 4);
    EXPECT_GT(m.VoDC, 6.5);
    for (int k = 0; k <= m.N; ++k) {
        EXPECT_GE(m.id[k], -1e-12) << "a diode never conducts backwards, sample " << k;
    }
}

TEST(Simulation, OneSamplePerPeriodAveragesToThePeak)
{
    const calc::Module1 m = simulated({.N = 1});
    EXPECT_EQ(m.VoDC, 10);
    EXPECT_EQ(m.Vomax, 10);
    EXPECT_EQ(m.Vomin, 10);
    EXPECT_NEAR(m.IdPicco, 0.005, 1e-15);
}

TEST(Simulation, LargeCapacitorDischargesFromThePeak)
{
    const calc::Module1 m = simulated({.CuF = 1000, .R = 100, .N = 1000});
    EXPECT_EQ(m.t1, 0);
    EXPECT_NEAR(m.t2, 0.01814, 1e-12);
    EXPECT_NEAR(m.Vomin, 8.3410, 5e-5);
    EXPECT_NEAR(m.VoDC, 9.1829 - 10.0 / 1000, 5e-5);
    EXPECT_NEAR(m.IdPicco, 1.8003, 5e-5);
}

TEST(Simulation, SignOfTheGeneratorFlipsTheWaveformsNotTheMagnitudes)
{
    const calc::Module1 positive = simulated({});
    const calc::Module1 negative = simulated({.Vp = -10});
    EXPECT_EQ(negative.t1, positive.t1);
    EXPECT_EQ(negative.t2, positive.t2);
    EXPECT_EQ(negative.Vomax, 10);
    EXPECT_EQ(negative.Vomin, positive.Vomin);
    EXPECT_EQ(negative.VoDC, -positive.VoDC);
    EXPECT_EQ(negative.IdPicco, positive.IdPicco);

    const calc::Module1 zero = simulated({.Vp = 0});
    EXPECT_EQ(zero.t1, positive.t1);
    EXPECT_EQ(zero.t2, positive.t2);
    EXPECT_EQ(zero.IdPicco, 0);
    EXPECT_EQ(zero.Vomax, 0);
    EXPECT_EQ(zero.Vomin, 0);
    EXPECT_EQ(zero.VoDC, 0);
}

TEST(Simulation, MeasurementsTakenInTheLoopEqualAPlainScan)
{
    for (const Circuit& c : {Circuit{}, Circuit{.Vp = -10, .N = 777}, Circuit{.f = 40.1, .N = 3},
                             Circuit{.CuF = 1000, .R = 100, .N = 1000}, Circuit{.Vp = 1e-3, .N = 1}}) {
        const calc::Module1 m = simulated(c);
        double peak = m.id[0];
        double largest = m.Vc[0];
        double smallest = std::abs(m.Vc[0]);
        double sum = 0;
        for (int k = 0; k <= m.N; ++k) {
            peak = std::abs(m.id[k]) >= peak ? std::abs(m.id[k]) : peak;
            largest = std::abs(m.Vc[k]) >= largest ? std::abs(m.Vc[k]) : largest;
            smallest = std::abs(m.Vc[k]) <= smallest ? std::abs(m.Vc[k]) : smallest;
            sum = k < m.N ? m.dt * m.Vc[k] + sum : sum;
        }
        EXPECT_EQ(m.IdPicco, peak);
        EXPECT_EQ(m.Vomax, largest);
        EXPECT_EQ(m.Vomin, smallest);
        EXPECT_EQ(m.VoDC, m.f * sum);
    }
}

} // namespace
