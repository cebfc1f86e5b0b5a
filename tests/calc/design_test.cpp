#include "calc/design.h"
#include "calc/messages.h"
#include "calc/module1.h"
#include "tests/calc/messagelog.h"

#include <gtest/gtest.h>

namespace {

using calc::DesignTexts;
namespace msg = calc::messages;

TEST(Design, WorkedExampleFillsBoxesAndFields)
{
    calc::Module1 m;
    MessageLog log;
    const auto out = calc::Command3_Click(m, DesignTexts{}, ',', log.callback());
    ASSERT_TRUE(out);
    EXPECT_TRUE(log.shown.empty());
    EXPECT_EQ(out->R, "2,40E+01");
    EXPECT_EQ(out->Vp, "1,38E+01");
    EXPECT_EQ(out->C, "3,19E+03");
    // The fields take a point whatever the regional separator.
    EXPECT_EQ(out->VpField, "1.38E+01");
    EXPECT_EQ(out->fField, "5.00E+01");
    EXPECT_EQ(out->CField, "3.19E+03");
    EXPECT_EQ(out->RField, "2.40E+01");
    EXPECT_DOUBLE_EQ(m.Vp, 13.8);
    EXPECT_DOUBLE_EQ(m.R, 24);
    EXPECT_NEAR(m.C, 3194.44, 0.01);
    EXPECT_EQ(m.f, 50);
    EXPECT_EQ(m.ResultText, "5.00E+01");
}

TEST(Design, NegativeAndSmallValuesAreComputed)
{
    calc::Module1 m;
    MessageLog log;
    const auto negative = calc::Command3_Click(m, DesignTexts{.VoDC = "-12"}, '.', log.callback());
    ASSERT_TRUE(negative);
    EXPECT_EQ(negative->VpField, "-1.02E+01");
    EXPECT_EQ(negative->R, "-2.40E+01");
    EXPECT_EQ(negative->C, "2.36E+03");
    const auto small = calc::Command3_Click(m, DesignTexts{.IoDC = "0.5"}, '.', log.callback());
    EXPECT_EQ(small->R, "2.40E+04");
    EXPECT_TRUE(log.shown.empty());
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
                        {{.Ripple = "1E999"}, msg::BadRipple},
                        {{.IoDC = "1E-330"}, msg::BadIoDC},
                        {{.VoDC = "1E300", .IoDC = "1E-300"}, msg::DesignOutOfRange},
                        {{.f = "1E-300", .IoDC = "1E300"}, msg::DesignOutOfRange}};
    for (const Row& row : rows) {
        calc::Module1 m;
        MessageLog log;
        ASSERT_TRUE(calc::Command3_Click(m, DesignTexts{}, '.', log.callback()));
        const calc::Module1Scalars before = m;
        EXPECT_FALSE(calc::Command3_Click(m, row.texts, '.', log.callback()));
        ASSERT_EQ(log.shown.size(), 1u);
        EXPECT_EQ(log.shown[0], row.message);
        EXPECT_EQ(m.f, before.f);
        EXPECT_EQ(m.Vp, before.Vp);
        EXPECT_EQ(m.C, before.C);
        EXPECT_EQ(m.VoDC, before.VoDC);
        EXPECT_EQ(m.ResultText, before.ResultText);
    }
}

} // namespace
