// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/module1.h"
#include "calc/verification.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <string>

// A verification press on the circuit, C in farads, its warning answered.
inline calc::Module1 simulated(double Vp, double f, double C, double R, int N)
{
    calc::Module1 m;
    const auto text = [](double x) { // every digit, so the field holds the value itself
        std::array<char, 32> digits{};
        return std::string(digits.data(), std::to_chars(digits.begin(), digits.end(), x).ptr);
    };
    EXPECT_TRUE(calc::Command1_Click(m, {text(Vp), text(f), text(C * 1e6), text(R), text(N)}, '.', [](auto, auto&) {}));
    return m;
}
