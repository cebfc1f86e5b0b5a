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
    EXPECT_EQ(captions->Ripple, "5.55E+03");
    EXPECT_EQ(captions->IdPicco, "3.04E+01");
    EXPECT_EQ(captions->VoDC, "7.11E+00");

    const auto italian = calc::Command1_Click(m, CircuitTexts{}, ',', log.callback());
    EXPECT_EQ(italian->Ripple, "5,55E+03");
    EXPECT_EQ(italian->VoDC, "7,11E+00");
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
    const Row rows[] = {{{.C = "11"}, false, "5.24E+03", nullptr, nullptr},
                        {{.N = "1"}, true, "0.00E+00", "5.00E+00", "1.00E+01"},
                        {{.f = "40.1"}, true, "6.29E+03", nullptr, nullptr},
                        {{.Vp = "-10"}, true, "5.55E+03", "3.04E+01", "-7.11E+00"},
                        {{.Vp = "0"}, true, "0.00E+00", "0.00E+00", "0.00E+00"},
                        {{.N = "1e4"}, true, "5.55E+03", "3.04E+01", "7.11E+00"},
                        {{.Vp = "1.2.3"}, true, "6.67E+02", nullptr, nullptr}};
    for (const Row& row : rows) {
        calc::Module1 m;
        MessageLog log;
        const auto captions = calc::Command1_Click(m, row.texts, '.', log.callback());
        ASSERT_TRUE(captions);
        EXPECT_EQ(log.shown.size(), row.warns ? 1u : 0u);
        EXPECT_EQ(captions->Ripple, row.ripple);
        if (row.peak != nullptr) {
            EXPECT_EQ(captions->IdPicco, row.peak);
            EXPECT_EQ(captions->VoDC, row.mean);
        }
    }
}

TEST(Verification, RefusalsShowOneMessageAndChangeNothing)
{
    struct Row {
        CircuitTexts texts;
        const char* message;
    };
    const Row rows[] = {{{.f = ""}, msg::MissingF},
                        {{.C = "1,5"}, msg::InvalidC},
                        {{.Vp = "x", .N = ""}, msg::InvalidVp}, // only the first bad field
                        {{.N = " 5"}, msg::InvalidN},
                        {{.Vp = "1E999"}, msg::TooLargeVp},
                        {{.f = "0"}, msg::BadF},
                        {{.f = "E"}, msg::BadF},
                        {{.f = "-50"}, msg::BadF},
                        {{.f = "1E999"}, msg::BadF},
                        {{.C = "0"}, msg::BadC},
                        {{.C = "1E-320"}, msg::BadC},
                        {{.R = "-2000"}, msg::BadR},
                        {{.N = "0.4"}, msg::BadN},
                        {{.N = "-1"}, msg::BadN},
                        {{.N = "53687092"}, msg::BadN},
                        {{.N = "3E9"}, msg::BadN},
                        {{.f = "1E-320"}, msg::NotFinite},
                        {{.f = "1E305", .N = "1000"}, msg::NotFinite},
                        {{.f = "1E10", .C = "1E-6", .R = "1E300"}, msg::NotFinite},
                        {{.Vp = "1E308", .C = "1E300"}, msg::NotFinite}};
    for (const Row& row : rows) {
        calc::Module1 m;
        MessageLog log;
        ASSERT_TRUE(calc::Command1_Click(m, CircuitTexts{.C = "11"}, '.', log.callback()));
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
    const auto captions = calc::Command1_Click(m, CircuitTexts{.C = "11", .N = "53687091"}, '.', log.callback());
    ASSERT_TRUE(captions);
    EXPECT_TRUE(log.shown.empty());
    EXPECT_EQ(m.Vc.size(), 53687093u);
    EXPECT_EQ(captions->Ripple, "5.24E+03");
}

} // namespace
