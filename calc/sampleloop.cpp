// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/sampleloop.h"

#include "calc/module1.h"
#include "calc/scalarlanes.h"

#if defined(RADDRIZZATORE_AVX2_LANES)
#include "calc/x86cpu.h"
#endif

#include <algorithm>
#include <array>
#include <system_error>
#include <thread>

namespace calc {

namespace {

// Enough stretches to share evenly among 1, 2, 3, 4, 6 or 8 threads, and
// few enough that a stretch is long beside its setting up.
constexpr int MaxStretches = 24;
constexpr std::int32_t MinStretch = 8192;
// Below this many samples a thread costs about what it saves: on two cores,
// two halves were slower than one whole at N = 30 000 and faster from about
// N = 100 000 (calc_bench, threads).
constexpr std::int32_t MinThreadSamples = 50'000;

} // namespace

SampleLoop sampleLoopOf(Module1& m)
{
    return {m.Vp, m.f, m.C, m.R, m.N, m.omega, m.dt, m.t1, m.t2, m.Vc.data(), m.id.data(), m.VoNoC.data()};
}

SampleStretch bestSampleStretch()
{
#if defined(RADDRIZZATORE_AVX2_LANES)
    return hasAvx2AndFma() ? sampleStretchAvx2 : sampleStretch;
#elif defined(RADDRIZZATORE_ADVSIMD_LANES)
    return sampleStretchAdvSimd;
#else
    return sampleStretch;
#endif
}

int stretchesFor(std::int32_t N)
{
    return std::clamp((N + 1) / MinStretch, 1, MaxStretches);
}

int threadsFor(std::int32_t N)
{
    // Asked once: the answer is a file read, which a row at a small N would
    // otherwise pay for every time.
    static const auto cores = static_cast<int>(std::max(std::thread::hardware_concurrency(), 1U));
    return std::clamp(std::min(cores, (N + 1) / MinThreadSamples), 1, MaxStretches);
}

Measured runSampleLoop(const SampleLoop& loop, SampleStretch stretch, int stretches, int threads)
{
    stretches = std::clamp(stretches, 1, MaxStretches);
    threads = std::clamp(threads, 1, stretches);
    // Stretches start on whole cache lines of the arrays (8 doubles), so no
    // two threads write the same line.
    const auto start = [&](int s) {
        const auto k = static_cast<std::int64_t>(loop.N + 1) * s / stretches;
        return s == stretches ? loop.N + 1 : static_cast<std::int32_t>(k / 8 * 8);
    };
    std::array<StretchMeasured, MaxStretches> parts;
    const auto run = [&](int thread) {
        for (int s = thread * stretches / threads; s < (thread + 1) * stretches / threads; ++s) {
            parts[s] = stretch(loop, start(s), start(s + 1) - 1);
        }
    };
    {
        std::array<std::jthread, MaxStretches> helpers;
        for (int thread = 1; thread < threads; ++thread) {
            try {
                helpers[thread] = std::jthread(run, thread);
            } catch (const std::system_error&) {
                // No thread could be started: this one does that share too.
                run(thread);
            }
        }
        run(0);
    }
    return combined(loop, std::span(parts.data(), stretches));
}

Measured combined(const SampleLoop& loop, std::span<const StretchMeasured> parts)
{
    const double Vc0 = std::abs(loop.Vc[0]);
    Measures<ScalarLanes> m{std::abs(loop.id[0]), Vc0, Vc0, 0};
    for (const StretchMeasured& part : parts) {
        double sum = 0;
        for (int lane = 0; lane < part.lanes; ++lane) {
            measure<ScalarLanes>(m, {part.IdPicco[lane], part.Vomax[lane], part.Vomin[lane]}, true);
            sum += part.SumVc[lane];
        }
        m.SumVc += sum;
    }
    return {m.IdPicco, m.Vomax, m.Vomin, m.SumVc};
}

} // namespace calc
