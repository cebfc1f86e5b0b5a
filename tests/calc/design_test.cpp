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
    EXPECT_EQ(out->Label29, "2,40E+01");
    EXPECT_EQ(out->Label35, "1,38E+01");
    EXPECT_EQ(out->Label31, "3,19E+03");
    // The fields take a point whatever the regional separator.
    EXPECT_EQ(out->Text1, "1.38E+01");
    EXPECT_EQ(out->Text2, "5.00E+01");
    EXPECT_EQ(out->Text3, "3.19E+03");
    EXPECT_EQ(out->Text4, "2.40E+01");
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
    const auto negative = calc::Command3_Click(m, DesignTexts{.Text6 = "-12"}, '.', log.callback());
    ASSERT_TRUE(negative);
    EXPECT_EQ(negative->Text1, "-1.02E+01");
    EXPECT_EQ(negative->Label29, "-2.40E+01");
    EXPECT_EQ(negative->Label31, "2.36E+03");
    const auto small = calc::Command3_Click(m, DesignTexts{.Text9 = "0.5"}, '.', log.callback());
    EXPECT_EQ(small->Label29, "2.40E+04");
    EXPECT_TRUE(log.shown.empty());
}

TEST(Design, RefusalsLeaveTheModuleAsItWas)
{
    struct Row {
        DesignTexts texts;
        const char* message;
    };
    const Row rows[] = {{{.Text8 = ""}, msg::MissingDesignF},
                        {{.Text9 = "0,5"}, msg::InvalidIoDC},
                        {{.Text6 = "a", .Text10 = "b"}, msg::InvalidVoDC},
                        {{.Text6 = "0"}, msg::BadVoDC},
                        {{.Text8 = "-"}, msg::BadDesignF},
                        {{.Text9 = "e"}, msg::BadIoDC},
                        {{.Text10 = "."}, msg::BadRipple},
                        {{.Text10 = "1E999"}, msg::BadRipple},
                        {{.Text9 = "1E-330"}, msg::BadIoDC},
                        {{.Text6 = "1E300", .Text9 = "1E-300"}, msg::DesignOutOfRange},
                        {{.Text8 = "1E-300", .Text9 = "1E300"}, msg::DesignOutOfRange}};
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
