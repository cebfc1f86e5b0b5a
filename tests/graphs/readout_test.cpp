#include "calc/messages.h"
#include "calc/module1.h"
#include "graphs/graphpress.h"
#include "graphs/readout.h"
#include "tests/calc/messagelog.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

namespace msg = calc::messages;

// "Grafico" after an accepted press with C = 11 uF (no warning): Np rounds half to even into 16 bits; a refusal shows
// its one message and leaves the module as it was.
TEST(GraphPress, PeriodsAndRefusals)
{
    const std::tuple<calc::CircuitTexts, const char*, int, const char*> rows[] = {
        {{}, "2.5", 2, nullptr},
        {{}, "-32768.5", -32768, nullptr},
        {{}, "32767", 32767, nullptr},
        {{}, "", 0, msg::MissingNp},
        {{}, "4 ", 0, msg::InvalidNp},
        {{.f = ""}, "", 0, msg::MissingF},
        {{}, "32767.5", 0, msg::BadNp},
        {{.Vp = "0"}, "4", 0, msg::ZeroVp},
        {{.N = "0"}, "4", 0, msg::BadN},
        {{.Vp = "3E307"}, "4", 0, msg::NotFinite},               // 48 units of Vp lie beyond a double
        {{.Vp = "1E306", .R = "1E-3"}, "4", 0, msg::NotFinite}}; // and of the peak current
    for (auto [texts, periods, Np, message] : rows) {
        calc::Module1 m;
        MessageLog log;
        ASSERT_TRUE(graphs::Command2_Click(m, {.C = "11"}, "3", log.callback()));
        const calc::Module1 before = m;
        texts.C = "11";
        EXPECT_EQ(graphs::Command2_Click(m, texts, periods, log.callback()), message == nullptr);
        EXPECT_EQ(log.shown.empty() ? "" : log.shown.back(), message ? message : "") << periods;
        EXPECT_EQ(log.refusals, message ? 1 : 0);
        EXPECT_EQ(m.Np, message ? 3 : Np) << periods;
        if (message != nullptr) {
            EXPECT_EQ(std::tie(m.Vp, m.f, m.N, m.id), std::tie(before.Vp, before.f, before.N, before.id));
        }
    }
}

// The default graph: 4 periods of 20 ms over the width; the continuous circuit's 30.36 mA and Vp = 10 V at the full
// scale, 48 units above the baselines 50 and 0.1.
TEST(Readout, PositionsReadTheModuleAsItIsNow)
{
    calc::Module1 m;
    MessageLog log;
    ASSERT_TRUE(graphs::Command2_Click(m, {}, "4", log.callback()));
    EXPECT_EQ(log.shown, std::vector<std::string>{msg::TimeConstant});
    const auto at = [&m](float X, float Y, char separator = '.') {
        return graphs::Picture1_MouseMove(m, X, Y, separator).value_or("(unchanged)");
    };
    EXPECT_EQ(at(25, 98, ','), "t= 20000,00usec ; id(t) = 30,36mA");
    EXPECT_EQ(at(100, 48.1F), "t= 80000.00usec ; Vc(t) = 10.00V");
    EXPECT_EQ(at(50, 50), "t= 40000.00usec ; id(t) = 0.00mA");
    EXPECT_EQ(at(50, 49.9F), "t= 40000.00usec ; Vc(t) = 10.38V");
    EXPECT_EQ(at(-10, 0.1F), "t= -8000.00usec ; Vc(t) = 0.00V");
    EXPECT_EQ(at(10, 0.099F), "(unchanged)");
    // A later press changes what the same position reads over the same picture.
    ASSERT_TRUE(graphs::Command2_Click(m, {.f = "100"}, "0", log.callback()));
    EXPECT_EQ(at(75, 48.1F), "t= 0.00usec ; Vc(t) = 10.00V");
    // About 1E66 usec, every digit of it; then a time, and a current, beyond a double: no text, the last one stays.
    ASSERT_TRUE(graphs::Command2_Click(m, {.f = "1E-60"}, "4", log.callback()));
    EXPECT_TRUE(std::regex_match(at(25, 98), std::regex("t= [0-9]{66,67}\\.00usec ; id\\(t\\) = [0-9]\\.[0-9]{2}mA")))
        << at(25, 98);
    ASSERT_TRUE(graphs::Command2_Click(m, {.f = "1E-305"}, "4", log.callback()));
    EXPECT_EQ(at(75, 60), "(unchanged)");
    ASSERT_TRUE(graphs::Command2_Click(m, {.Vp = "1E302", .R = "1E-3"}, "4", log.callback()));
    EXPECT_EQ(at(25, 98), "(unchanged)");
    EXPECT_EQ(at(25, 0.5F).substr(0, 18), "t= 20000.00usec ; ");
}

} // namespace
