#include "calc/messages.h"
#include "calc/module1.h"
#include "calc/verification.h"
#include "tests/calc/messagelog.h"

#include <gtest/gtest.h>

namespace {

using calc::CircuitTexts;
namespace msg = calc::messages;

TEST(Verification, DefaultsWarnThenShowTheThreeResults)
{
    calc::Module1 m;
    MessageLog log;
    const auto captions = calc::Command1_Click(m, CircuitTexts{}, '.', log.callback());
    ASSERT_TRUE(captions);
    ASSERT_EQ(log.shown.size(), 1u);
    EXPECT_EQ(log.shown[0], msg::TimeConstant);
    EXPECT_EQ(captions->Label10, "5.55E+03");
    EXPECT_EQ(captions->Label22, "3.04E+01");
    EXPECT_EQ(captions->Label13, "7.11E+00");

    const auto italian = calc::Command1_Click(m, CircuitTexts{}, ',', log.callback());
    EXPECT_EQ(italian->Label10, "5,55E+03");
    EXPECT_EQ(italian->Label13, "7,11E+00");
}

TEST(Verification, WorkedCasesAndRepairedFaults)
{
    struct Row {
        CircuitTexts texts;
        bool warns;
        const char* ripple;
        const char* peak;
        const char* mean;
    };
    const Row rows[] = {{{.Text3 = "11"}, false, "5.24E+03", nullptr, nullptr},
                        {{.Text5 = "1"}, true, "0.00E+00", "5.00E+00", "1.00E+01"},
                        {{.Text2 = "40.1"}, true, "6.29E+03", nullptr, nullptr},
                        {{.Text1 = "-10"}, true, "5.55E+03", "3.04E+01", "-7.11E+00"},
                        {{.Text1 = "0"}, true, "0.00E+00", "0.00E+00", "0.00E+00"},
                        {{.Text5 = "1e4"}, true, "5.55E+03", "3.04E+01", "7.11E+00"},
                        {{.Text1 = "1.2.3"}, true, "6.67E+02", nullptr, nullptr}};
    for (const Row& row : rows) {
        calc::Module1 m;
        MessageLog log;
        const auto captions = calc::Command1_Click(m, row.texts, '.', log.callback());
        ASSERT_TRUE(captions);
        EXPECT_EQ(log.shown.size(), row.warns ? 1u : 0u);
        EXPECT_EQ(captions->Label10, row.ripple);
        if (row.peak != nullptr) {
            EXPECT_EQ(captions->Label22, row.peak);
            EXPECT_EQ(captions->Label13, row.mean);
        }
    }
}

TEST(Verification, RefusalsShowOneMessageAndChangeNothing)
{
    struct Row {
        CircuitTexts texts;
        const char* message;
    };
    const Row rows[] = {{{.Text2 = ""}, msg::MissingF},
                        {{.Text3 = "1,5"}, msg::InvalidC},
                        {{.Text1 = "x", .Text5 = ""}, msg::InvalidVp}, // only the first bad field
                        {{.Text5 = " 5"}, msg::InvalidN},
                        {{.Text1 = "1E999"}, msg::TooLargeVp},
                        {{.Text2 = "0"}, msg::BadF},
                        {{.Text2 = "E"}, msg::BadF},
                        {{.Text2 = "-50"}, msg::BadF},
                        {{.Text2 = "1E999"}, msg::BadF},
                        {{.Text3 = "0"}, msg::BadC},
                        {{.Text3 = "1E-320"}, msg::BadC},
                        {{.Text4 = "-2000"}, msg::BadR},
                        {{.Text5 = "0.4"}, msg::BadN},
                        {{.Text5 = "-1"}, msg::BadN},
                        {{.Text5 = "53687092"}, msg::BadN},
                        {{.Text5 = "3E9"}, msg::BadN},
                        {{.Text2 = "1E-320"}, msg::NotFinite},
                        {{.Text2 = "1E305", .Text5 = "1000"}, msg::NotFinite},
                        {{.Text2 = "1E10", .Text3 = "1E-6", .Text4 = "1E300"}, msg::NotFinite},
                        {{.Text1 = "1E308", .Text3 = "1E300"}, msg::NotFinite}};
    for (const Row& row : rows) {
        calc::Module1 m;
        MessageLog log;
        ASSERT_TRUE(calc::Command1_Click(m, CircuitTexts{.Text3 = "11"}, '.', log.callback()));
        const calc::Module1 before = m;
        log.shown.clear();
        EXPECT_FALSE(calc::Command1_Click(m, row.texts, '.', log.callback()));
        ASSERT_FALSE(log.shown.empty());
        EXPECT_EQ(log.shown.back(), row.message);
        EXPECT_EQ(m.f, before.f);
        EXPECT_EQ(m.N, before.N);
        EXPECT_EQ(m.Vp, before.Vp);
        EXPECT_EQ(m.generation, before.generation);
        EXPECT_EQ(m.Vc, before.Vc);
        EXPECT_EQ(m.VoDC, before.VoDC);
    }
}

TEST(Verification, LargestSampleCountIsAccepted)
{
    calc::Module1 m;
    MessageLog log;
    const auto captions =
        calc::Command1_Click(m, CircuitTexts{.Text3 = "11", .Text5 = "53687091"}, '.', log.callback());
    ASSERT_TRUE(captions);
    EXPECT_TRUE(log.shown.empty());
    EXPECT_EQ(m.Vc.size(), 53687093u);
    EXPECT_EQ(captions->Label10, "5.24E+03");
}

} // namespace
