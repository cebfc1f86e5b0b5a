#include "calc/module1.h"
#include "calc/verification.h"
#include "graphs/graphpress.h"
#include "graphs/readout.h"
#include "tests/calc/messagelog.h"

#include <gtest/gtest.h>

namespace {

class Readout : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(graphs::Command2_Click(m, {}, "4", log.callback())); }
    std::string at(float X, float Y, char separator = '.')
    {
        return graphs::Picture1_MouseMove(m, X, Y, separator).value_or("(unchanged)");
    }
    calc::Module1 m;
    MessageLog log;
};

TEST_F(Readout, WorkedPositionsUnderBothSeparators)
{
    EXPECT_EQ(at(0, 50), "t= 0.00usec ; id(t) = 0.00mA");
    EXPECT_EQ(at(25, 98), "t= 20000.00usec ; id(t) = 30.36mA");
    EXPECT_EQ(at(25, 98, ','), "t= 20000,00usec ; id(t) = 30,36mA");
    EXPECT_EQ(at(100, 48.1F), "t= 80000.00usec ; Vc(t) = 10.00V");
    EXPECT_EQ(at(100, 0.1F), "t= 80000.00usec ; Vc(t) = 0.00V");
    EXPECT_EQ(at(50, 49.9F), "t= 40000.00usec ; Vc(t) = 10.38V");
    EXPECT_EQ(at(-10, 60), "t= -8000.00usec ; id(t) = 6.32mA");
}

TEST_F(Readout, BelowTheVoltageBandNothingChanges)
{
    EXPECT_EQ(at(10, 0.099F), "(unchanged)");
    EXPECT_EQ(at(10, -5), "(unchanged)");
}

TEST_F(Readout, FollowsTheModuleAsItIsNow)
{
    ASSERT_TRUE(calc::Command1_Click(m, {.f = "100"}, '.', log.callback()));
    EXPECT_EQ(at(25, 48.1F), "t= 10000.00usec ; Vc(t) = 10.00V");
    ASSERT_TRUE(graphs::Command2_Click(m, {}, "0", log.callback()));
    EXPECT_EQ(at(75, 98), "t= 0.00usec ; id(t) = 30.36mA");
    // A time beyond a double is no text to show: the last one stays.
    ASSERT_TRUE(graphs::Command2_Click(m, {.f = "1E-305"}, "4", log.callback()));
    EXPECT_EQ(at(75, 98), "(unchanged)");
}

} // namespace
