// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/x86cpu.h"

#include <immintrin.h>

namespace calc {

namespace {

__attribute__((target("avx"))) void zeroUpper()
{
    _mm256_zeroupper();
}

} // namespace

bool hasAvx2AndFma()
{
    static const bool both = __builtin_cpu_supports("avx2") != 0 && __builtin_cpu_supports("fma") != 0;
    return both;
}

void clearUpperHalves()
{
    static const bool avx = __builtin_cpu_supports("avx") != 0;
    if (avx) {
        zeroUpper();
    }
}

} // namespace calc
