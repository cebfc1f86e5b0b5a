// SPDX-License-Identifier: GPL-3.0-or-later
// Against the fields' grammar, hand values and the continuous circuit in closed form.
#include "calc/checknumber.h"
#include "calc/design.h"
#include "calc/format.h"
#include "calc/messages.h"
#include "calc/module1.h"
#include "calc/val.h"
#include "calc/verification.h"
#include "tests/calc/messagelog.h"
#include "tests/calc/simulated.h"
#include "tests/support/modulestate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

namespace msg = calc::messages;
using std::numbers::pi;

// The value of an accepted text, nan for a refused one.
TEST(Calc, CheckNumberAndVal)
{
    for (const auto& [text, value] : {std::pair{"1E-5", 1e-5},
                                      {"0123456789eE.-+", 123456789},
                                      {".5", 0.5},
                                      {"2E+2e3", 200},
                                      {"--5", 0},
                                      {"-1E999", -INFINITY},
                                      {"1E-999", 0},
                                      {"1E0000000000000000001", 10},
                                      {"1E9223372036854775808", INFINITY},
                                      {"-1E-9223372036854775809", -0.0},
                                      {"", NAN},
                                      {"1,5", NAN},
                                      {" 5", NAN},
                                      {"/", NAN},
                                      {":", NAN},
                                      {"\xC2\xB2", NAN}}) {
        MessageLog log;
        EXPECT_EQ(calc::CheckNumber(text, "missing", "invalid", log.callback()), !std::isnan(value)) << text;
        EXPECT_EQ(log.shown, std::isnan(value) ? std::vector<std::string>{*text ? "invalid" : "missing"}
                                               : std::vector<std::string>{});
        EXPECT_TRUE(std::isnan(value) || calc::Val(text) == value) << text;
    }
}

TEST(Calc, FormatWithADecimalComma)
{
    for (const auto& [x, text] : {std::pair{-0.0, "0,00E+00 0,00"},
                                  {5554.478, "5,55E+03 5554,48"},
                                  {-10.2, "-1,02E+01 -10,20"},
                                  {9.999, "1,00E+01 10,00"},
                                  {-0.004, "-4,00E-03 0,00"},
                                  {4.9e-324, "4,94E-324 0,00"}}) {
        EXPECT_EQ(calc::formatScientific(x, ',') + ' ' + calc::formatFixed(x, ','), text);
    }
}

struct SteadyState {
    double t1, t2, ripple, VoDC, IdPicco;
};

// The current Vp*(cos(wt)/R - w*C*sin(wt)) stops at t1 = atan(1/(w*R*C))/w; C then discharges as
// Vp*cos(w*t1)*exp(-(t - t1)/(R*C)) until the generator meets it at t2.
SteadyState continuous(double Vp, double f, double C, double R)
{
    const double w = 2 * pi * f, T = 1 / f, RC = R * C, t1 = std::atan(1 / (w * RC)) / w;
    const auto held = [&](double t) { return std::cos(w * t1) * std::exp(-(t - t1) / RC); };
    double lo = 0.75 * T, t2 = T;
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + t2) / 2;
        (held(mid) > std::cos(w * mid) ? lo : t2) = mid;
    }
    const double area =
        std::sin(w * t1) / w + std::cos(w * t1) * RC * (1 - std::exp(-(t2 - t1) / RC)) - std::sin(w * t2) / w;
    // Vp*A*cos(wt + phi) peaks at wt = 2*pi - phi if the diode conducts there, else where it starts.
    const double A = std::hypot(1 / R, w * C), phi = std::atan(w * RC);
    const double current = T - phi / w >= t2 ? A : std::cos(w * t2) / R - w * C * std::sin(w * t2);
    return {t1, t2, std::abs(Vp) * (1 - held(t2)), Vp * area / T, std::abs(Vp) * current};
}

// t1 and t2 each at the first point after the continuous instant on a grid of 40 points a sample. Id picco within
// the current's change over one sample, Vp*w*A*T/N: at a large R*C a short burst's top falls between samples.
TEST(Calc, ResultsFollowTheContinuousCircuit)
{
    int N = 5000;
    for (const double wRC : {0.1, 0.3, 1.0, 3.0, 10.0, 30.0, 100.0, 1e3, 1e4, 1e5, 1e6}) {
        for (const auto& [Vp, f, R] : {std::tuple{1.0, 10.0, 1e3}, {230.0, 1e4, 47.0}, {1000.0, 50.0, 1e6}}) {
            const calc::Module1 m = simulated(Vp, f, wRC / (2 * pi * f * R), R, N += 3);
            const SteadyState c = continuous(Vp, f, m.C, R);
            SCOPED_TRACE(testing::Message() << "w*R*C " << wRC << ", f " << f);
            const double slope = Vp * 2 * pi * f * std::hypot(1 / R, 2 * pi * f * m.C);
            EXPECT_GE(m.t1, c.t1);
            EXPECT_GE(m.t2, c.t2);
            EXPECT_LT(m.t1 + m.t2, c.t1 + c.t2 + 2 / (40.0 * N * f));
            EXPECT_NEAR(m.Vomax - m.Vomin, c.ripple, 0.01 * c.ripple);
            EXPECT_NEAR(m.VoDC, c.VoDC, 0.01 * c.VoDC);
            EXPECT_NEAR(m.IdPicco, c.IdPicco, 0.001 * c.IdPicco + slope / (f * N));
        }
    }
}

// After a press with C = 11 uF: a leading "W" if a warning was shown, then the continuous circuit's ripple, Id
// picco and VoDC, or the refusal, which changes nothing.
TEST(Calc, Verification)
{
    for (const auto& [texts, expected] : {std::pair{calc::CircuitTexts{}, "W 5,55E+03 3,04E+01 7,11E+00"},
                                          {{.C = "11"}, " 5,24E+03 3,28E+01 7,28E+00"},
                                          {{.Vp = "-10"}, "W 5,55E+03 3,04E+01 -7,11E+00"},
                                          {{.Vp = "0"}, "W 0,00E+00 0,00E+00 0,00E+00"},
                                          {{.f = ""}, msg::MissingF},
                                          {{.Vp = "x", .N = ""}, msg::InvalidVp},
                                          {{.Vp = "1E999"}, msg::TooLargeVp},
                                          {{.f = "0"}, msg::BadF},
                                          {{.C = "1E-320"}, msg::BadC},
                                          {{.R = "-2000"}, msg::BadR},
                                          {{.N = "0.4"}, msg::BadN},
                                          {{.N = "53687092"}, msg::BadN},
                                          {{.f = "1E-320"}, msg::NotFinite},
                                          {{.f = "1E305", .N = "1000"}, msg::NotFinite},
                                          {{.f = "1E10", .C = "1E-6", .R = "1E300"}, msg::NotFinite},
                                          {{.Vp = "1E308", .C = "1", .R = "1E6"}, msg::NotFinite},   // the ripple alone
                                          {{.Vp = "1E306", .C = "1E6", .R = "1E6"}, msg::NotFinite}, // the peak alone
                                          {{.Vp = "1E308", .C = "1E300"}, msg::NotFinite}}) {
        calc::Module1 m;
        MessageLog log;
        ASSERT_TRUE(calc::Command1_Click(m, {.C = "11"}, ',', log.callback()));
        const calc::Module1 old = m;
        const auto r = calc::Command1_Click(m, texts, ',', log.callback());
        const std::string warned = log.shown.size() > static_cast<std::size_t>(log.refusals) ? "W" : "";
        EXPECT_EQ(warned + (r ? ' ' + r->Ripple + ' ' + r->IdPicco + ' ' + r->VoDC : log.shown.back()), expected);
        EXPECT_EQ(log.refusals, r ? 0 : 1);
        EXPECT_TRUE(r || sameState(m, old));
    }
}

// Vp = VoDC + Ripple/2, R = VoDC/IoDC, C = Vp/(Ripple*f*R): 12 V at 500 mA with 3600 mV at 50 Hz take 13.8 V, 24 ohm
// and 3194 uF. The boxes R, Vp, C with a decimal comma.
TEST(Calc, Design)
{
    for (const auto& [texts, expected] : {std::pair{calc::DesignTexts{}, "2,40E+01 1,38E+01 3,19E+03"},
                                          {{.VoDC = "-12", .f = "100"}, "-2,40E+01 -1,02E+01 1,18E+03"},
                                          {{.f = ""}, msg::MissingDesignF},
                                          {{.IoDC = "0,5"}, msg::InvalidIoDC},
                                          {{.VoDC = "a", .Ripple = "b"}, msg::InvalidVoDC},
                                          {{.VoDC = "0"}, msg::BadVoDC},
                                          {{.f = "-"}, msg::BadDesignF},
                                          {{.IoDC = "e"}, msg::BadIoDC},
                                          {{.Ripple = "."}, msg::BadRipple},
                                          {{.VoDC = "1E300", .IoDC = "1E-300"}, msg::DesignOutOfRange},
                                          {{.f = "1E-300", .IoDC = "1E300"}, msg::DesignOutOfRange}}) {
        calc::Module1Scalars m;
        MessageLog log;
        const auto r = calc::Command3_Click(m, texts, ',', log.callback());
        EXPECT_EQ(r ? r->R + ' ' + r->Vp + ' ' + r->C : log.shown.at(0), expected);
        EXPECT_EQ(log.refusals, r ? 0 : 1);
    }
}

} // namespace
