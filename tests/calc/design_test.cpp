#include "calc/design.h"
#include "calc/messages.h"
#include "calc/module1.h"
#include "tests/calc/messagelog.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using calc::DesignTexts;
namespace msg = calc::messages;

// Vp = VoDC + Ripple/2, R = VoDC/IoDC, C = Vp/(Ripple*f*R): 12 V at 0.5 A with
// a 3.6 V ripple at 50 Hz takes 13.8 V, 24 ohm and 3194.44 uF.
TEST(Design, ResultsInTheBoxesAndTheFields)
{
    struct Row {
        DesignTexts texts;
        std::vector<std::string> boxes, fields; // R, Vp, C; Vp, f, C, R
    };
    const Row rows[] = {
        {{}, {"2,40E+01", "1,38E+01", "3,19E+03"}, {"1.38E+01", "5.00E+01", "3.19E+03", "2.40E+01"}},
        {{.VoDC = "-12"}, {"-2,40E+01", "-1,02E+01", "2,36E+03"}, {"-1.02E+01", "5.00E+01", "2.36E+03", "-2.40E+01"}},
        {{.IoDC = "0.5"}, {"2,40E+04", "1,38E+01", "3,19E+00"}, {"1.38E+01", "5.00E+01", "3.19E+00", "2.40E+04"}},
    };
    for (const Row& row : rows) {
        calc::Module1 m;
        MessageLog log;
        const auto out = calc::Command3_Click(m, row.texts, ',', log.callback());
        ASSERT_TRUE(out);
        EXPECT_TRUE(log.shown.empty());
        EXPECT_EQ((std::vector{out->R, out->Vp, out->C}), row.boxes);
        EXPECT_EQ((std::vector{out->VpField, out->fField, out->CField, out->RField}), row.fields);
        // The module keeps what the readout and a later press read: f, and C in uF.
        EXPECT_EQ(m.f, 50);
        EXPECT_NEAR(m.C, std::stod(row.fields[2]), 0.005 * m.C);
    }
}

TEST(Design, RefusalsLeaveTheModuleAsItWas)
{
    struct Row {
        DesignTexts texts;
        const char* message;
    };
    const Row rows[] = {{{.f = ""}, msg::MissingDesignF},
                        {{.IoDC = "0,5"}, msg::InvalidIoDC},
                        {{.VoDC = "a", .Ripple = "b"}, msg::InvalidVoDC},
                        {{.VoDC = "0"}, msg::BadVoDC},
                        {{.f = "-"}, msg::BadDesignF},
                        {{.IoDC = "e"}, msg::BadIoDC},
                        {{.Ripple = "."}, msg::BadRipple},
                        {{.IoDC = "1E-330"}, msg::BadIoDC},
                        {{.VoDC = "1E300", .IoDC = "1E-300"}, msg::DesignOutOfRange},
                        {{.f = "1E-300", .IoDC = "1E300"}, msg::DesignOutOfRange}};
    for (const Row& row : rows) {
        calc::Module1 m;
        MessageLog log;
        ASSERT_TRUE(calc::Command3_Click(m, DesignTexts{}, '.', log.callback()));
        const calc::Module1Scalars before = m;
        EXPECT_FALSE(calc::Command3_Click(m, row.texts, '.', log.callback()));
        EXPECT_EQ(log.shown, std::vector<std::string>{row.message});
        EXPECT_EQ(std::tie(m.f, m.Vp, m.C, m.VoDC, m.ResultText),
                  std::tie(before.f, before.Vp, before.C, before.VoDC, before.ResultText));
    }
}

} // namespace
