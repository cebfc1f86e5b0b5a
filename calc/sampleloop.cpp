#include "calc/sampleloop.h"

#include "calc/module1.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <system_error>
#include <thread>

namespace calc {

namespace {

// Below this many samples a stretch costs about what starting its thread
// does: two stretches are slower at N = 30 000 and faster from N = 100 000
// (calc_bench, stretches).
constexpr std::int32_t MinStretch = 50'000;
// Their results fit a fixed array; past a few cores the loop waits on the
// memory its arrays take, not on arithmetic.
constexpr int MaxStretches = 8;

// sampleStretch's comparisons, so the order the stretches finish in cannot
// change a peak: each is a value.
void combine(Measured& m, const StretchMeasured& part)
{
    if (part.IdPicco >= m.IdPicco) {
        m.IdPicco = part.IdPicco;
    }
    if (part.Vomax >= m.Vomax) {
        m.Vomax = part.Vomax;
    }
    if (part.Vomin <= m.Vomin) {
        m.Vomin = part.Vomin;
    }
    m.SumVc += part.SumVc;
}

} // namespace

SampleStretch bestSampleStretch()
{
    static const SampleStretch best =
        __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma") ? sampleStretchAvx2 : sampleStretch;
    return best;
}

int stretchesFor(std::int32_t N)
{
    // Asked once: the answer is a file read, which a row at a small N would
    // otherwise pay for every time.
    static const auto cores = static_cast<int>(std::max(std::thread::hardware_concurrency(), 1U));
    return std::clamp(std::min(cores, (N + 1) / MinStretch), 1, MaxStretches);
}

Measured runSampleLoop(const SampleLoop& loop, SampleStretch stretch, int stretches)
{
    stretches = std::clamp(stretches, 1, MaxStretches);
    // Stretches start on whole cache lines of the arrays (8 doubles), so no
    // two threads write the same line.
    const auto start = [&](int s) {
        const auto k = static_cast<std::int64_t>(loop.N + 1) * s / stretches;
        return s == stretches ? loop.N + 1 : static_cast<std::int32_t>(k / 8 * 8);
    };
    std::array<StretchMeasured, MaxStretches> parts;
    const auto run = [&](int s) { parts[s] = stretch(loop, start(s), start(s + 1) - 1); };
    {
        std::array<std::jthread, MaxStretches> threads;
        for (int s = 1; s < stretches; ++s) {
            try {
                threads[s] = std::jthread(run, s);
            } catch (const std::system_error&) {
                // No thread to be had: this one does that stretch too.
                run(s);
            }
        }
        run(0);
    }
    // The first sample opens the scans as it opened them in the single loop,
    // so a first sample that is not a number still carries through.
    Measured m{std::abs(loop.id[0]), std::abs(loop.Vc[0]), std::abs(loop.Vc[0]), 0};
    for (int s = 0; s < stretches; ++s) {
        combine(m, parts[s]);
    }
    return m;
}

} // namespace calc
