// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/module1.h"
#include "calc/verification.h"

#include <gtest/gtest.h>

#include <string>

// A verification press on the circuit, C in farads, its warning answered.
inline calc::Module1 simulated(double Vp, double f, double C, double R, int N)
{
    calc::Module1 m;
    using std::to_string;
    EXPECT_TRUE(calc::Command1_Click(m, {to_string(Vp), to_string(f), to_string(C * 1e6), to_string(R), to_string(N)},
                                     '.', [](auto, auto&) {}));
    return m;
}
