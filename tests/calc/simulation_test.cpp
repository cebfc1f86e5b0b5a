// The simulated period against the continuous steady state in closed form: the current
// Vp*(cos(wt)/R - w*C*sin(wt)) stops at t1 = atan(1/(w*R*C))/w, then C discharges as Vp*cos(w*t1)*exp(-(t - t1)/(R*C))
// until the generator meets it at t2.
#include "calc/circuit.h"
#include "calc/module1.h"
#include "calc/switching.h"
#include "calc/verification.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

const double w = 2 * std::numbers::pi * 50;

struct SteadyState {
    double t1, t2, ripple, VoDC, IdPicco;
};

SteadyState continuous(double Vp, double f, double C, double R)
{
    const double w = 2 * std::numbers::pi * f, T = 1 / f, RC = R * C, t1 = std::atan(1 / (w * RC)) / w;
    const auto held = [&](double t) { return std::cos(w * t1) * std::exp(-(t - t1) / RC); };
    double lo = 0.75 * T, hi = T;
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (held(mid) > std::cos(w * mid) ? lo : hi) = mid;
    }
    const double t2 = hi;
    const double area =
        std::sin(w * t1) / w + std::cos(w * t1) * RC * (1 - std::exp(-(t2 - t1) / RC)) - std::sin(w * t2) / w;
    // Vp*A*cos(wt + phi) peaks at wt = 2*pi - phi when the diode conducts there, else where it starts to.
    const double A = std::hypot(1 / R, w * C), phi = std::atan(w * RC);
    const double current = T - phi / w >= t2 ? A : std::cos(w * t2) / R - w * C * std::sin(w * t2);
    return {t1, t2, std::abs(Vp) * (1 - held(t2)), Vp * area / T, std::abs(Vp) * current};
}

calc::Module1 simulated(double Vp, double f, double C, double R, int N)
{
    calc::Module1 m;
    const auto quiet = [](calc::Severity, const std::string&) {};
    const calc::CircuitTexts texts{std::to_string(Vp), std::to_string(f), std::to_string(C * 1e6), std::to_string(R),
                                   std::to_string(N)};
    EXPECT_TRUE(calc::Command1_Click(m, texts, '.', quiet));
    return m;
}

TEST(Simulation, SearchFindsTheFirstPointAtOrBelowZero)
{
    for (const int last : {1, 2, 3, 7, 100}) {
        for (int zero = -1; zero <= last + 1; ++zero) {
            const auto value = [zero](std::int32_t k) { return zero - k + 0.5; };
            EXPECT_EQ(calc::firstAtOrBelowZero(value, last), std::clamp(zero + 1, 0, last)) << last << " " << zero;
        }
    }
}

// Both switching instants on the grid point after the continuous one, 1/(40*N*f) apart; conducting at both ends of
// the period, blocking and discharging between.
TEST(Simulation, DefaultCircuitSamples)
{
    const calc::Module1 m = simulated(10, 50, 10e-6, 2000, 10000);
    const SteadyState c = continuous(10, 50, 10e-6, 2000);
    const double grid = 1 / (400000.0 * 50);
    EXPECT_TRUE(m.t1 >= c.t1 && m.t1 < c.t1 + grid) << m.t1 - c.t1;
    EXPECT_TRUE(m.t2 >= c.t2 && m.t2 < c.t2 + grid) << m.t2 - c.t2;
    ASSERT_EQ(m.Vc.size(), 10002U);
    EXPECT_EQ(m.Vc[10001] + m.id[10001] + m.VoNoC[10001], 0);
    EXPECT_EQ(m.Vc[0] + m.Vc[10000] + m.VoNoC[0] + m.VoNoC[10000], 40);
    EXPECT_NEAR(m.id[0], 10 / 2000.0, 1e-15);
    EXPECT_NEAR(m.id[100], 10 * (std::cos(w * 2e-4) / 2000 - w * 10e-6 * std::sin(w * 2e-4)), 1e-12);
    EXPECT_EQ(m.id[5000] + m.VoNoC[5000], 0);
    EXPECT_NEAR(m.Vc[5000], 10 * std::cos(w * c.t1) * std::exp(-(0.01 - c.t1) / 0.02), 1e-5);
    EXPECT_NEAR(m.VoNoC[1250], 10 * std::cos(std::numbers::pi / 4), 1e-12);
    EXPECT_EQ(m.VoNoC[2501] + m.VoNoC[7499], 0);
    EXPECT_NEAR(m.VoNoC[7501], 10 * std::cos(w * 0.015002), 1e-12);
}

// The sampled peak current lies within what the current can change in one sample spacing, Vp*w*A*T/N, of the
// continuous one: at a large R*C the diode conducts in a steep, short burst that a sample can miss the top of.
TEST(Simulation, ShownResultsFollowTheContinuousCircuit)
{
    int circuits = 0;
    for (const double wRC : {0.1, 0.3, 1.0, 3.0, 10.0, 30.0, 100.0, 1e3, 1e4, 1e5, 1e6}) {
        for (const auto& [Vp, f, R] : {std::tuple{1.0, 10.0, 1e3}, {230.0, 1e4, 47.0}, {1000.0, 50.0, 1e6}}) {
            const int N = 5000 + 3 * circuits++;
            const double C = wRC / (f * calc::TwoPi * R);
            const calc::Module1 m = simulated(Vp, f, C, R, N);
            const SteadyState want = continuous(Vp, f, m.C, R);
            const double slope = Vp * 2 * std::numbers::pi * f * std::hypot(1 / R, 2 * std::numbers::pi * f * m.C);
            EXPECT_NEAR(m.Vomax - m.Vomin, want.ripple, 0.01 * want.ripple) << wRC << " " << f;
            EXPECT_NEAR(m.VoDC, want.VoDC, 0.01 * want.VoDC) << wRC << " " << f;
            EXPECT_NEAR(m.IdPicco, want.IdPicco, 0.001 * want.IdPicco + slope / (f * N)) << wRC << " " << f;
        }
    }
}

// Two sets of arrays at the largest N do not fit in 2.2 GB of address space; one does, so every press must still
// succeed there, and a refused one gives the arrays on show back.
TEST(Simulation, LargestNRunsAgainWhereTwoSetsOfArraysDoNotFit)
{
    if (std::getenv("RADDRIZZATORE_ADDRESS_LIMIT") == nullptr) {
        GTEST_SKIP() << "runs under ulimit -v, from its own CTest entry";
    }
    calc::Module1 m;
    const auto quiet = [](calc::Severity, const std::string&) {};
    for (int press = 0; press < 3; ++press) {
        ASSERT_TRUE(calc::Command1_Click(m, {.N = "53687091"}, '.', quiet)) << press;
    }
    const double before = m.Vc[m.N / 2];
    EXPECT_FALSE(calc::Command1_Click(m, {.Vp = "1E308", .C = "1", .R = "1E6", .N = "53687091"}, '.', quiet));
    EXPECT_EQ(m.Vc[m.N / 2], before);
    EXPECT_EQ(m.Vc.size(), static_cast<std::size_t>(m.N) + 2);
}

} // namespace
