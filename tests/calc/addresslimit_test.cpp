// SPDX-License-Identifier: GPL-3.0-or-later
// Run under ulimit -v, from its own CTest entry.
#include "calc/circuit.h"
#include "calc/design.h"
#include "calc/module1.h"
#include "calc/verification.h"

#include <gtest/gtest.h>

namespace {

// Two sets of arrays at the largest N do not fit in 2.2 GB, one does: a refused press frees the arrays on show and
// restores them before its message.
TEST(Calc, LargestNUnderAnAddressLimit)
{
    calc::Module1 m;
    const auto quiet = [](auto, auto&) {};
    for (int press = 0; press < 3; ++press) {
        ASSERT_TRUE(calc::Command1_Click(m, {.N = "53687091"}, '.', quiet)) << press;
    }
    const double before = m.Vc[m.N / 2];
    // A design press changes Vp, f, C and R, not the arrays a refusal simulates again.
    ASSERT_TRUE(calc::Command3_Click(m, {}, '.', quiet));
    std::size_t atTheBox = 0;
    const auto box = [&](calc::Severity, const std::string&) { atTheBox = m.Vc.size(); };
    EXPECT_FALSE(calc::Command1_Click(m, {.Vp = "1E308", .C = "1", .R = "1E6", .N = "53687091"}, '.', box));
    EXPECT_EQ(m.Vc[m.N / 2], before);
    EXPECT_EQ(m.Vc.size(), 53687093U);
    EXPECT_EQ(atTheBox, 53687093U) << "the arrays on show are back before the refusal is shown";
}

} // namespace
