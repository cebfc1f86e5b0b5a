// The simulated period against the continuous steady state in closed form: the
// current Vp*(cos(wt)/R - w*C*sin(wt)) stops at t1 = atan(1/(w*R*C))/w, then C
// discharges as Vp*cos(w*t1)*exp(-(t - t1)/(R*C)) until the generator meets it.

#include "calc/circuit.h"
#include "calc/module1.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

struct SteadyState {
    double ripple, VoDC, IdPicco;
};

SteadyState continuous(double Vp, double f, double C, double R)
{
    const double w = 2 * std::numbers::pi * f;
    const double T = 1 / f;
    const double RC = R * C;
    const double t1 = std::atan(1 / (w * RC)) / w;
    const auto held = [&](double t) { return std::cos(w * t1) * std::exp(-(t - t1) / RC); };
    double lo = 0.75 * T;
    double hi = T;
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (held(mid) > std::cos(w * mid) ? lo : hi) = mid;
    }
    const double t2 = hi;
    const double area =
        std::sin(w * t1) / w + std::cos(w * t1) * RC * (1 - std::exp(-(t2 - t1) / RC)) - std::sin(w * t2) / w;
    // The current Vp*A*cos(wt + phi) peaks at wt = 2*pi - phi when the diode
    // conducts there, else where it starts to conduct.
    const double A = std::hypot(1 / R, w * C);
    const double phi = std::atan(w * RC);
    const double current = T - phi / w >= t2 ? A : std::cos(w * t2) / R - w * C * std::sin(w * t2);
    return {std::abs(Vp) * (1 - held(t2)), Vp * area / T, std::abs(Vp) * current};
}

TEST(SteadyState, ShownResultsFollowTheContinuousCircuit)
{
    int circuits = 0;
    for (const double wRC : {0.1, 0.3, 1.0, 3.0, 10.0, 30.0, 100.0, 1e3, 1e4, 1e5, 1e6}) {
        for (const auto& [Vp, f, R] :
             {std::tuple{1.0, 10.0, 1e3}, std::tuple{230.0, 1e4, 47.0}, std::tuple{1000.0, 50.0, 1e6}}) {
            calc::Module1 m;
            m.Vp = Vp;
            m.f = f;
            m.R = R;
            m.N = 5000 + 3 * circuits;
            m.omega = f * calc::TwoPi;
            m.C = wRC / (m.omega * R);
            m.dt = 1 / (static_cast<double>(m.N) * m.f);
            m.CalcWaveforms();
            m.CalcIdPicco();
            m.CalcVomax();
            m.CalcVomin();
            m.CalcVoDC();
            const SteadyState want = continuous(Vp, f, m.C, R);
            EXPECT_NEAR(m.Vomax - m.Vomin, want.ripple, 0.01 * want.ripple) << wRC << " " << f;
            EXPECT_NEAR(m.VoDC, want.VoDC, 0.01 * want.VoDC) << wRC << " " << f;
            EXPECT_NEAR(m.IdPicco, want.IdPicco, wRC <= 1e3 ? 0.05 * want.IdPicco : HUGE_VAL) << wRC << " " << f;
            ++circuits;
        }
    }
}

} // namespace
