// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the graph: the shipped reduction against one drawLine per segment,
// a whole "Grafico" press with the default fields, and one readout event.

#include "calc/module1.h"
#include "graphs/graphpress.h"
#include "graphs/plotwaveforms.h"
#include "graphs/readout.h"
#include "tests/support/referencedrawing.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <string>

namespace {

const QColor background(255, 224, 192);

calc::Module1 pressed(std::int64_t N, std::int64_t Np)
{
    calc::Module1 m;
    graphs::Command2_Click(m, {.N = std::to_string(N)}, std::to_string(Np), [](calc::Severity, const std::string&) {});
    return m;
}

template <void (*Plot)(const calc::Module1&, QImage&)>
void drawing(benchmark::State& state)
{
    const calc::Module1 m = pressed(state.range(0), state.range(1));
    QImage image(989, 581, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(background);
        Plot(m, image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void drawingArgs(benchmark::internal::Benchmark* b)
{
    b->Args({10'000, 4})->Args({100'000, 4})->Args({10'000, 100})->ArgNames({"N", "Np"});
    b->Unit(benchmark::kMillisecond);
}

void grafico(benchmark::State& state)
{
    calc::Module1 m;
    QImage image(989, 581, QImage::Format_RGB32);
    for (auto _ : state) {
        graphs::Command2_Click(m, {}, "4", [](calc::Severity, const std::string&) {});
        image.fill(background);
        graphs::PlotWaveforms(m, image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void readout(benchmark::State& state)
{
    calc::Module1 m = pressed(state.range(0), 4);
    float y = 10;
    for (auto _ : state) {
        y = y > 99 ? 0.2F : y + 0.37F;
        benchmark::DoNotOptimize(graphs::Picture1_MouseMove(m, 42.5F, y, ','));
    }
}

} // namespace

BENCHMARK(drawing<graphs::PlotWaveforms>)->Apply(drawingArgs);
BENCHMARK(drawing<PlotWaveformsSegmentBySegment>)->Apply(drawingArgs);
BENCHMARK(grafico)->Unit(benchmark::kMillisecond);
BENCHMARK(readout)->Arg(10'000)->Arg(calc::Module1::MaxN)->ArgName("N")->Unit(benchmark::kMicrosecond);
