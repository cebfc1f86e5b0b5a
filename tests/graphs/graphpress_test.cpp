#include "calc/messages.h"
#include "calc/module1.h"
#include "graphs/graphpress.h"
#include "tests/calc/messagelog.h"

#include <gtest/gtest.h>

namespace {

namespace msg = calc::messages;

TEST(GraphPress, DefaultsWarnThenSimulateWithoutVerifying)
{
    calc::Module1 m;
    MessageLog log;
    ASSERT_TRUE(graphs::Command2_Click(m, {}, "4", log.callback()));
    ASSERT_EQ(log.shown.size(), 1u);
    EXPECT_EQ(log.shown[0], msg::TimeConstant);
    EXPECT_EQ(m.Np, 4);
    EXPECT_NEAR(m.IdPicco, 0.030359, 5e-7);
    EXPECT_EQ(m.Vomax, 10);
    EXPECT_EQ(m.VoDC, 0) << "the graph button computes no mean";
}

TEST(GraphPress, PeriodsRoundHalvesToEven)
{
    const std::pair<const char*, int> rows[] = {{"2.5", 2},       {"3.5", 4},          {"0", 0}, {"E", 0}, {"-3", -3},
                                                {"32767", 32767}, {"-32768.5", -32768}};
    for (const auto& [text, periods] : rows) {
        calc::Module1 m;
        MessageLog log;
        EXPECT_TRUE(graphs::Command2_Click(m, {.C = "11"}, text, log.callback())) << text;
        EXPECT_TRUE(log.shown.empty()) << text;
        EXPECT_EQ(m.Np, periods) << text;
    }
}

TEST(GraphPress, RefusalsLeaveTheModuleForTheGraphOnScreen)
{
    struct Row {
        calc::CircuitTexts texts;
        const char* periods;
        const char* message;
    };
    const Row rows[] = {{{}, "", msg::MissingNp},
                        {{}, "4 ", msg::InvalidNp},
                        {{.f = ""}, "", msg::MissingF}, // the first bad field only
                        {{}, "32767.5", msg::BadNp},
                        {{}, "-40000", msg::BadNp},
                        {{}, "1E999", msg::BadNp},
                        {{.Vp = "0"}, "4", msg::ZeroVp},
                        {{.Vp = "-"}, "4", msg::ZeroVp},
                        {{.f = "0"}, "4", msg::BadF},
                        {{.N = "0"}, "4", msg::BadN},
                        {{.Vp = "3E307", .C = "11"}, "4", msg::NotFinite}}; // 48 units of Vp lie beyond a double
    for (const Row& row : rows) {
        calc::Module1 m;
        MessageLog log;
        ASSERT_TRUE(graphs::Command2_Click(m, {.C = "11"}, "3", log.callback()));
        const calc::Module1 before = m;
        EXPECT_FALSE(graphs::Command2_Click(m, row.texts, row.periods, log.callback()));
        ASSERT_EQ(log.shown.size(), 1u) << row.message;
        EXPECT_EQ(log.shown[0], row.message);
        EXPECT_EQ(m.Np, before.Np);
        EXPECT_EQ(m.f, before.f);
        EXPECT_EQ(m.Vp, before.Vp);
        EXPECT_EQ(m.generation, before.generation);
        EXPECT_EQ(m.id, before.id);
    }
}

} // namespace
