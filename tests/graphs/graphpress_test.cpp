#include "calc/messages.h"
#include "calc/module1.h"
#include "graphs/graphpress.h"
#include "tests/calc/messagelog.h"

#include <gtest/gtest.h>

namespace {

namespace msg = calc::messages;

// Each row presses "Grafico" on a module that holds an earlier graph: an
// accepted press simulates for Np periods (halves to the even neighbour), a
// refused one shows its one message and leaves that graph's module alone.
TEST(GraphPress, PeriodsAndRefusals)
{
    struct Row {
        calc::CircuitTexts texts;
        const char* periods;
        int Np;              // of an accepted press
        const char* message; // of a refused one
    };
    const Row rows[] = {{{}, "2.5", 2, nullptr},
                        {{}, "3.5", 4, nullptr},
                        {{}, "-32768.5", -32768, nullptr},
                        {{}, "32767", 32767, nullptr},
                        {{}, "", 0, msg::MissingNp},
                        {{}, "4 ", 0, msg::InvalidNp},
                        {{.f = ""}, "", 0, msg::MissingF}, // the first bad field only
                        {{}, "32767.5", 0, msg::BadNp},
                        {{}, "-40000", 0, msg::BadNp},
                        {{.Vp = "0"}, "4", 0, msg::ZeroVp},
                        {{.f = "0"}, "4", 0, msg::BadF},
                        {{.N = "0"}, "4", 0, msg::BadN},
                        {{.Vp = "3E307"}, "4", 0, msg::NotFinite},               // 48 units of Vp lie beyond a double
                        {{.Vp = "1E306", .R = "1E-3"}, "4", 0, msg::NotFinite}}; // and of the peak current
    for (const Row& row : rows) {
        calc::Module1 m;
        MessageLog log;
        ASSERT_TRUE(graphs::Command2_Click(m, {.C = "11"}, "3", log.callback()));
        const calc::Module1 before = m;
        calc::CircuitTexts texts = row.texts;
        texts.C = "11"; // no time-constant warning
        EXPECT_EQ(graphs::Command2_Click(m, texts, row.periods, log.callback()), row.message == nullptr);
        if (log.shown.size() == 2 && log.shown[0] == msg::TimeConstant) {
            log.shown.erase(log.shown.begin()); // R*C below a period, as it may be
        }
        EXPECT_EQ(log.shown, row.message ? std::vector<std::string>{row.message} : std::vector<std::string>{})
            << row.periods;
        EXPECT_EQ(m.Np, row.message ? before.Np : row.Np) << row.periods;
        if (row.message != nullptr) {
            EXPECT_EQ(m.generation, before.generation);
            EXPECT_EQ(m.id, before.id);
            EXPECT_EQ(m.f, before.f);
        }
    }
    // The defaults warn; the graph measures the peaks it is scaled by, and no mean.
    calc::Module1 m;
    MessageLog log;
    ASSERT_TRUE(graphs::Command2_Click(m, {}, "4", log.callback()));
    EXPECT_EQ(log.shown, std::vector<std::string>{msg::TimeConstant});
    EXPECT_NEAR(m.IdPicco, 0.030364, 0.0002) << "the continuous circuit's peak";
    EXPECT_EQ(m.Vomax, 10);
    EXPECT_EQ(m.VoDC, 0);
}

} // namespace
