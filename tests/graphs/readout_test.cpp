#include "calc/module1.h"
#include "calc/verification.h"
#include "graphs/graphpress.h"
#include "graphs/readout.h"

#include <gtest/gtest.h>

namespace {

// The default graph: 4 periods of 20 ms over the width, 30.36 mA and 10 V at
// the full scale, 48 units above the baselines 50 and 0.1.
TEST(Readout, PositionsReadTheModuleAsItIsNow)
{
    calc::Module1 m;
    const auto quiet = [](calc::Severity, const std::string&) {};
    ASSERT_TRUE(graphs::Command2_Click(m, {}, "4", quiet));
    const auto at = [&m](float X, float Y, char separator = '.') {
        return graphs::Picture1_MouseMove(m, X, Y, separator).value_or("(unchanged)");
    };
    EXPECT_EQ(at(0, 50), "t= 0.00usec ; id(t) = 0.00mA");
    EXPECT_EQ(at(25, 98, ','), "t= 20000,00usec ; id(t) = 30,36mA");
    EXPECT_EQ(at(100, 48.1F), "t= 80000.00usec ; Vc(t) = 10.00V");
    EXPECT_EQ(at(100, 0.1F), "t= 80000.00usec ; Vc(t) = 0.00V");
    EXPECT_EQ(at(50, 49.9F), "t= 40000.00usec ; Vc(t) = 10.38V");
    EXPECT_EQ(at(-10, 60), "t= -8000.00usec ; id(t) = 6.32mA");
    EXPECT_EQ(at(10, 0.099F), "(unchanged)"); // below the voltage band
    // A later press changes what the same position reads over the same picture.
    ASSERT_TRUE(calc::Command1_Click(m, {.f = "100"}, '.', quiet));
    EXPECT_EQ(at(25, 48.1F), "t= 10000.00usec ; Vc(t) = 10.00V");
    ASSERT_TRUE(graphs::Command2_Click(m, {}, "0", quiet));
    EXPECT_EQ(at(75, 98), "t= 0.00usec ; id(t) = 30.36mA");
    // A time beyond a double is no text to show: the last one stays.
    ASSERT_TRUE(graphs::Command2_Click(m, {.f = "1E-305"}, "4", quiet));
    EXPECT_EQ(at(75, 98), "(unchanged)");
}

} // namespace
