#include "calc/messages.h"
#include "calc/module1.h"
#include "calc/verification.h"
#include "tests/calc/messagelog.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using calc::CircuitTexts;
namespace msg = calc::messages;

// Ripple [mV], Id picco [mA] and VoDC [V] as the window shows them. Where the
// ripple is small the capacitor meets the generator near its peak, and where
// the grid is coarse a band around zero would hold no point: both searches
// must stop where the sign changes.
TEST(Verification, ShownResults)
{
    struct Row {
        const char* what;
        CircuitTexts texts;
        bool warns;
        const char* ripple;
        const char* peak;
        const char* mean;
    };
    const Row rows[] = {
        {"defaults", {}, true, "5.55E+03", "3.04E+01", "7.11E+00"},
        {"R*C one period exactly", {.C = "1", .R = "20000"}, false, "5.55E+03", "3.04E+00", "7.11E+00"},
        {"R*C just short of a period", {.C = "1", .R = "19999.999"}, true, "5.55E+03", "3.04E+00", "7.11E+00"},
        {"large C, small ripple", {.C = "4700", .R = "10000"}, false, "4.23E+00", "4.28E+02", "1.00E+01"},
        {"tiny ripple", {.R = "1E8"}, false, "2.00E-01", "1.97E-01", "1.00E+01"},
        {"tinier ripple", {.R = "1E9"}, false, "2.00E-02", "5.92E-02", "1.00E+01"},
        {"high voltage", {.Vp = "1000", .R = "1E7"}, false, "1.99E+02", "6.13E+01", "1.00E+03"},
        {"coarse grid, small C", {.C = "1", .N = "100"}, true, "9.99E+03", "5.90E+00", "3.47E+00"},
        {"coarse grid, smaller C", {.C = "0.5", .N = "200"}, true, "1.00E+04", "5.24E+00", "3.26E+00"},
        {"coarse grid", {.N = "100"}, true, "5.54E+03", "2.99E+01", "7.11E+00"},
        {"finer grid", {.N = "1000"}, true, "5.55E+03", "3.03E+01", "7.11E+00"},
        {"large C, small R", {.C = "1000", .R = "100", .N = "1000"}, false, "1.65E+03", "1.80E+03", "9.18E+00"},
        {"one sample a period", {.N = "1"}, true, "0.00E+00", "5.00E+00", "1.00E+01"},
        {"last sample at 1/f", {.f = "40.1"}, true, "6.29E+03", "2.52E+01", "6.68E+00"},
        {"negative generator", {.Vp = "-10"}, true, "5.55E+03", "3.04E+01", "-7.11E+00"},
        {"no generator", {.Vp = "0"}, true, "0.00E+00", "0.00E+00", "0.00E+00"},
        {"longest leading number", {.Vp = "1.2.3"}, true, "6.67E+02", "3.64E+00", "8.53E-01"},
    };
    for (const Row& row : rows) {
        calc::Module1 m;
        MessageLog log;
        const auto shown = calc::Command1_Click(m, row.texts, ',', log.callback());
        ASSERT_TRUE(shown) << row.what;
        EXPECT_EQ(log.shown, row.warns ? std::vector<std::string>{msg::TimeConstant} : std::vector<std::string>{})
            << row.what;
        const auto comma = [](std::string s) { return s.replace(1, 1, ","); };
        EXPECT_EQ(shown->Ripple, comma(row.ripple)) << row.what;
        EXPECT_EQ(shown->IdPicco, comma(row.peak)) << row.what;
        EXPECT_EQ(shown->VoDC, row.mean[0] == '-' ? "-" + comma(row.mean + 1) : comma(row.mean)) << row.what;
    }
}

TEST(Verification, RefusalsShowOneMessageAndChangeNothing)
{
    struct Row {
        CircuitTexts texts;
        std::vector<std::string> shown;
    };
    const std::string warning = msg::TimeConstant;
    const Row rows[] = {{{.f = ""}, {msg::MissingF}},
                        {{.C = "1,5"}, {msg::InvalidC}},
                        {{.Vp = "x", .N = ""}, {msg::InvalidVp}}, // only the first bad field
                        {{.N = " 5"}, {msg::InvalidN}},
                        {{.R = ""}, {msg::MissingR}},
                        {{.Vp = "1E999"}, {msg::TooLargeVp}},
                        {{.f = "0"}, {msg::BadF}},
                        {{.f = "1E999"}, {msg::BadF}},
                        {{.C = "0"}, {msg::BadC}},
                        {{.C = "1E-320"}, {msg::BadC}},
                        {{.R = "-2000"}, {msg::BadR}},
                        {{.N = "0.4"}, {msg::BadN}},
                        {{.N = "53687092"}, {msg::BadN}},
                        {{.f = "1E-320"}, {msg::NotFinite}},
                        {{.f = "1E305", .N = "1000"}, {msg::NotFinite}},
                        {{.f = "1E10", .C = "1E-6", .R = "1E300"}, {msg::NotFinite}},
                        {{.Vp = "1E308", .C = "1", .R = "1E6"}, {msg::NotFinite}},   // the ripple alone overflows
                        {{.Vp = "1E306", .C = "1E6", .R = "1E6"}, {msg::NotFinite}}, // the peak current alone
                        {{.Vp = "1E308", .C = "1E300"}, {msg::NotFinite}}};
    for (const Row& row : rows) {
        calc::Module1 m;
        MessageLog log;
        ASSERT_TRUE(calc::Command1_Click(m, CircuitTexts{.C = "11"}, '.', log.callback()));
        const calc::Module1 before = m;
        log.shown.clear();
        EXPECT_FALSE(calc::Command1_Click(m, row.texts, '.', log.callback()));
        // The warning may come first: the calculation goes on after it.
        if (log.shown.size() == 2 && log.shown[0] == warning) {
            log.shown.erase(log.shown.begin());
        }
        EXPECT_EQ(log.shown, row.shown) << row.texts.Vp << " " << row.texts.f << " " << row.texts.C;
        EXPECT_EQ(std::tie(m.f, m.N, m.Vp, m.VoDC, m.generation, m.Vc),
                  std::tie(before.f, before.N, before.Vp, before.VoDC, before.generation, before.Vc));
    }
}

} // namespace
