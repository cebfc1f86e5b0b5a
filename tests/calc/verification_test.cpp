#include "calc/design.h"
#include "calc/messages.h"
#include "calc/module1.h"
#include "calc/verification.h"
#include "tests/calc/messagelog.h"

#include <gtest/gtest.h>

namespace {

namespace msg = calc::messages;

// Ripple [mV], Id picco [mA], VoDC [V]: the continuous circuit's values to three digits (R*C against a 20 ms period
// decides the warning), and by hand: one sample a period holds Vp at both ends, Vp = 1.2 scales the defaults.
TEST(Verification, ShownResults)
{
    const std::tuple<calc::CircuitTexts, bool, const char*> rows[] = {
        {{}, true, "5,55E+03 3,04E+01 7,11E+00"},
        {{.C = "11"}, false, "5,24E+03 3,28E+01 7,28E+00"},
        {{.C = "1", .R = "20000"}, false, "5,55E+03 3,04E+00 7,11E+00"},
        {{.C = "1", .R = "19999.999"}, true, "5,55E+03 3,04E+00 7,11E+00"},
        {{.Vp = "-10"}, true, "5,55E+03 3,04E+01 -7,11E+00"},
        {{.Vp = "1.2.3"}, true, "6,67E+02 3,64E+00 8,53E-01"},
        {{.Vp = "0"}, true, "0,00E+00 0,00E+00 0,00E+00"},
        {{.N = "1"}, true, "0,00E+00 5,00E+00 1,00E+01"}};
    for (const auto& [texts, warns, shown] : rows) {
        calc::Module1 m;
        MessageLog log;
        const auto out = calc::Command1_Click(m, texts, ',', log.callback());
        ASSERT_TRUE(out) << shown;
        EXPECT_EQ(out->Ripple + ' ' + out->IdPicco + ' ' + out->VoDC, shown);
        EXPECT_EQ(log.shown, warns ? std::vector<std::string>{msg::TimeConstant} : std::vector<std::string>{});
        EXPECT_EQ(log.refusals, 0);
    }
}

// Each refusal after an accepted press: its one message (perhaps after the warning) and the module as it was.
TEST(Verification, RefusalsChangeNothing)
{
    const std::pair<calc::CircuitTexts, const char*> rows[] = {
        {{.f = ""}, msg::MissingF},
        {{.Vp = "x", .N = ""}, msg::InvalidVp},
        {{.N = " 5"}, msg::InvalidN},
        {{.Vp = "1E999"}, msg::TooLargeVp},
        {{.f = "0"}, msg::BadF},
        {{.C = "1E-320"}, msg::BadC},
        {{.R = "-2000"}, msg::BadR},
        {{.N = "0.4"}, msg::BadN},
        {{.N = "53687092"}, msg::BadN},
        {{.f = "1E-320"}, msg::NotFinite},
        {{.f = "1E305", .N = "1000"}, msg::NotFinite},
        {{.f = "1E10", .C = "1E-6", .R = "1E300"}, msg::NotFinite},
        {{.Vp = "1E308", .C = "1", .R = "1E6"}, msg::NotFinite},   // the ripple alone overflows
        {{.Vp = "1E306", .C = "1E6", .R = "1E6"}, msg::NotFinite}, // the peak current alone
        {{.Vp = "1E308", .C = "1E300"}, msg::NotFinite}};
    for (const auto& [texts, message] : rows) {
        calc::Module1 m;
        MessageLog log;
        ASSERT_TRUE(calc::Command1_Click(m, {.C = "11"}, '.', log.callback()));
        const calc::Module1 before = m;
        EXPECT_FALSE(calc::Command1_Click(m, texts, '.', log.callback()));
        EXPECT_EQ(log.shown.back(), message);
        EXPECT_EQ(log.refusals, 1);
        EXPECT_LE(log.shown.size(), 2U);
        EXPECT_EQ(std::tie(m.f, m.N, m.Vp, m.C, m.dt, m.VoDC, m.Vc),
                  std::tie(before.f, before.N, before.Vp, before.C, before.dt, before.VoDC, before.Vc));
    }
}

// By hand: Vp = VoDC + Ripple/2, R = VoDC/IoDC, C = Vp/(Ripple*f*R); 12 V at 500 mA with 3600 mV at 50 Hz take
// 13.8 V, 24 ohm and 3194 uF. Boxes R, Vp, C under a comma, then the fields Vp, R, C, f with a point.
TEST(Design, ResultsAndRefusals)
{
    const std::pair<calc::DesignTexts, const char*> rows[] = {
        {{}, "2,40E+01 1,38E+01 3,19E+03 1.38E+01 2.40E+01 3.19E+03 5.00E+01"},
        {{.VoDC = "-12", .f = "100"}, "-2,40E+01 -1,02E+01 1,18E+03 -1.02E+01 -2.40E+01 1.18E+03 1.00E+02"},
        {{.IoDC = "0.5"}, "2,40E+04 1,38E+01 3,19E+00 1.38E+01 2.40E+04 3.19E+00 5.00E+01"},
        {{.f = ""}, msg::MissingDesignF},
        {{.IoDC = "0,5"}, msg::InvalidIoDC},
        {{.VoDC = "a", .Ripple = "b"}, msg::InvalidVoDC},
        {{.VoDC = "0"}, msg::BadVoDC},
        {{.f = "-"}, msg::BadDesignF},
        {{.IoDC = "e"}, msg::BadIoDC},
        {{.Ripple = "."}, msg::BadRipple},
        {{.VoDC = "1E300", .IoDC = "1E-300"}, msg::DesignOutOfRange},
        {{.f = "1E-300", .IoDC = "1E300"}, msg::DesignOutOfRange}};
    for (const auto& [texts, expected] : rows) {
        calc::Module1Scalars m;
        MessageLog log;
        const auto out = calc::Command3_Click(m, texts, ',', log.callback());
        const std::string shown = out ? out->R + ' ' + out->Vp + ' ' + out->C + ' ' + out->VpField + ' ' + out->RField +
                                            ' ' + out->CField + ' ' + out->fField
                                      : log.shown.at(0);
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(log.shown.size(), out ? 0U : 1U);
    }
}

} // namespace
