// SPDX-License-Identifier: GPL-3.0-or-later
// The verification road (allocation, both searches, the sample loop, the four
// scans) against the sample loop alone, for the default circuit and for a
// large capacitor, and the first press of a run against a later one. Then a
// press after a caller left the vector registers' upper halves in use beside a
// clean one, the vector loop beside the scalar one, and one thread against two.

#include "calc/circuit.h"
#include "calc/module1.h"
#include "calc/sampleloop.h"
#include "calc/switching.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <new>
#include <utility>

namespace {

calc::Module1 circuit(std::int64_t N, bool largeCapacitor)
{
    calc::Module1 m;
    m.Vp = 10;
    m.f = 50;
    m.C = (largeCapacitor ? 1000 : 10) * 1e-6;
    m.R = largeCapacitor ? 100 : 2000;
    m.N = static_cast<std::int32_t>(N);
    m.omega = m.f * calc::TwoPi;
    m.dt = 1 / (static_cast<double>(m.N) * m.f);
    return m;
}

// One press as the program runs it: a trial of the module simulates and is
// kept; the arrays it replaces become the next trial's buffers.
void press(calc::Module1& m)
{
    calc::Module1 trial = m.trial();
    if (!m.simulate(trial)) {
        throw std::bad_alloc();
    }
    trial.CalcMeasurements();
    benchmark::DoNotOptimize(trial.VoDC);
    m.commit(std::move(trial));
}

// Every press after the first two, whose buffers are already the process's.
void road(benchmark::State& state)
{
    calc::Module1 m = circuit(state.range(0), state.range(1) != 0);
    press(m);
    press(m);
    for (auto _ : state) {
        press(m);
    }
}

// The first press of a run, which also pays the system for fresh pages.
void firstPress(benchmark::State& state)
{
    for (auto _ : state) {
        calc::Module1 m = circuit(state.range(0), state.range(1) != 0);
        press(m);
    }
}

void sampleLoop(benchmark::State& state)
{
    calc::Module1 m = circuit(state.range(0), state.range(1) != 0);
    m.CalcWaveforms();
    for (auto _ : state) {
        m.CalcSamples();
        benchmark::DoNotOptimize(m.Vc.data());
    }
}

// What the searches cost as a walk over every grid point, for comparison.
void plainSearches(benchmark::State& state)
{
    calc::Module1 m = circuit(state.range(0), state.range(1) != 0);
    for (auto _ : state) {
        std::int32_t hits = 0;
        for (std::int32_t k = 0; k <= 10 * m.N; ++k) {
            hits += calc::switchOffValue(m, k) <= 0;
            hits += calc::switchOnValue(m, k) <= 0;
        }
        benchmark::DoNotOptimize(hits);
    }
}

// As some of Qt's routines do: ones in the upper half of a vector register, by
// the widest instruction the processor has. Without AVX nothing can do it.
// Other processors have no such state.
void dirtyUpperState()
{
#if defined(__x86_64__)
    if (__builtin_cpu_supports("avx512f")) {
        asm volatile("vpternlogd $0xff, %%zmm15, %%zmm15, %%zmm15" : : : "xmm15");
    } else if (__builtin_cpu_supports("avx")) {
        asm volatile("vcmpps $15, %%ymm15, %%ymm15, %%ymm15" : : : "xmm15");
    }
#endif
}

// Every later press, with or without the registers left dirty before it.
void dirtyPress(benchmark::State& state)
{
    calc::Module1 m = circuit(state.range(0), false);
    press(m);
    press(m);
    for (auto _ : state) {
        if (state.range(1) != 0) {
            dirtyUpperState();
        }
        press(m);
    }
}

// The loop on a given number of threads, on the best code or the scalar one.
void threads(benchmark::State& state)
{
    calc::Module1 m = circuit(state.range(0), false);
    m.CalcWaveforms();
    const calc::SampleStretch stretch = state.range(2) != 0 ? calc::bestSampleStretch() : calc::sampleStretch;
    const int threads = static_cast<int>(state.range(1));
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::runSampleLoop(calc::sampleLoopOf(m), stretch, calc::stretchesFor(m.N), threads));
    }
}

void threadThreshold(benchmark::internal::Benchmark* b)
{
    for (const std::int64_t N : {10'000, 30'000, 100'000, 200'000, 300'000, 1'000'000}) {
        b->Args({N, 1, 1})->Args({N, 2, 1});
    }
    b->Args({1'000'000, 1, 0})->Args({calc::Module1::MaxN, 1, 0})->Args({calc::Module1::MaxN, 1, 1});
    b->Args({calc::Module1::MaxN, 2, 1});
    b->ArgNames({"N", "threads", "best"})->Unit(benchmark::kMillisecond)->UseRealTime();
}

void sizes(benchmark::internal::Benchmark* b)
{
    for (const std::int64_t large : {0, 1}) {
        b->Args({10'000, large});
        b->Args({1'000'000, large});
    }
    b->ArgNames({"N", "largeC"})->Unit(benchmark::kMillisecond)->UseRealTime();
}

void largest(benchmark::internal::Benchmark* b)
{
    b->Args({calc::Module1::MaxN, 0})->Args({calc::Module1::MaxN, 1});
    b->ArgNames({"N", "largeC"})->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
}

} // namespace

BENCHMARK(road)->Apply(sizes);
BENCHMARK(sampleLoop)->Apply(sizes);
BENCHMARK(firstPress)->Apply(sizes);
BENCHMARK(plainSearches)
    ->Args({10'000, 0})
    ->Args({10'000, 1})
    ->ArgNames({"N", "largeC"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(road)->Apply(largest);
BENCHMARK(firstPress)->Apply(largest);
BENCHMARK(sampleLoop)->Apply(largest);
BENCHMARK(dirtyPress)
    ->Args({10'000'000, 0})
    ->Args({10'000'000, 1})
    ->ArgNames({"N", "dirty"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(threads)->Apply(threadThreshold);
