// SPDX-License-Identifier: GPL-3.0-or-later
// The sample loop one sample at a time on libm: the reference, and the loop
// of every processor without vector lanes of its own.

#include "calc/sampleloop.h"
#include "calc/sampleloop_kernel.h"
#include "calc/scalarlanes.h"

#if defined(RADDRIZZATORE_AVX2_LANES)
#include "calc/x86cpu.h"
#endif

namespace calc {

StretchMeasured sampleStretch(const SampleLoop& loop, std::int32_t first, std::int32_t last)
{
#if defined(RADDRIZZATORE_AVX2_LANES)
    clearUpperHalves();
#endif
    return sampleStretchOf<ScalarLanes>(loop, first, last);
}

} // namespace calc
