// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One sample at a time, on libm: the scalar loop's lanes, and those of
// everything that measures or times a single sample outside the loop, so that
// the combined figures and the tables follow the loop's own rules. Included
// only where the compiler targets the base instruction set, never under -mavx2.

#include "calc/sampleloop_kernel.h"

#include <cmath>
#include <cstdint>

namespace calc {

struct ScalarLanes {
    using Values = double;
    using Mask = bool;
    struct SinCos {
        Values sin;
        Values cos;
    };
    static constexpr int Width = 1;

    static double all(double x) { return x; }
    static double indices(std::int32_t k) { return k; }
    static bool lessEqual(double a, double b) { return a <= b; }
    static bool less(double a, double b) { return a < b; }
    static bool equal(double a, double b) { return a == b; }
    static bool both(bool a, bool b) { return a && b; }
    static bool either(bool a, bool b) { return a || b; }
    static bool any(bool mask) { return mask; }
    static double where(bool mask, double x, double otherwise) { return mask ? x : otherwise; }
    static double only(bool mask, double x) { return mask ? x : 0; }
    static double abs(double x) { return std::abs(x); }
    // As written: fused where the base instruction set has FMA, while std::fma
    // would be a library call where it has not.
    static double fma(double a, double b, double c) { return a * b + c; }
    static SinCos sincos(double x) { return {std::sin(x), std::cos(x)}; }
    static double exp(double x) { return std::exp(x); }
    static void store(double* p, double x, bool /*mask*/, bool /*whole*/) { *p = x; }
    static void storeLanes(double* p, double x) { *p = x; }
};

} // namespace calc
