// SPDX-License-Identifier: GPL-3.0-or-later
// The sample loop one sample at a time on libm: the reference, and the loop
// of every processor without vector lanes of its own.

#include "calc/sampleloop.h"
#include "calc/sampleloop_kernel.h"
#include "calc/scalarlanes.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace calc {

namespace {

#if defined(__x86_64__)
// This loop is legacy SSE code, and libm's cos, sin and exp are VEX code on
// a processor with AVX. When a caller left the upper halves of the vector
// registers in use, Intel processors make such code pay on every instruction
// (Skylake on) or on every switch between the two encodings (earlier ones).
// vzeroupper clears that state; it exists only with AVX, and without AVX
// nothing can leave the state in use. Every thread runs it for itself.
__attribute__((target("avx"))) void clearUpperHalves()
{
    _mm256_zeroupper();
}

bool hasAvx()
{
    static const bool avx = __builtin_cpu_supports("avx") != 0;
    return avx;
}
#endif

} // namespace

StretchMeasured sampleStretch(const SampleLoop& loop, std::int32_t first, std::int32_t last)
{
#if defined(__x86_64__)
    if (hasAvx()) {
        clearUpperHalves();
    }
#endif
    return sampleStretchOf<ScalarLanes>(loop, first, last);
}

} // namespace calc
