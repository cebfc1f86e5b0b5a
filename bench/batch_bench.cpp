// SPDX-License-Identifier: GPL-3.0-or-later
// The command line on a large table: --verifica over 100 000 rows at N = 1000
// (reading the CSV, one press a row, writing the CSV), and the samples of one
// period written by --campioni.

#include "app/batch/samples.h"
#include "app/batch/verificationtable.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>
#include <string>

namespace {

// Standard output into nothing: the figure is the program's work, not a pipe's.
class Discard : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char* /*s*/, std::streamsize n) override { return n; }
};

void verificaRows(benchmark::State& state)
{
    // Two circuits in turn, one with the time-constant warning and one without.
    std::string csv = "Nome,Vp,f,C,R,N\n";
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        csv += i % 2 == 0 ? "a,10,50,10,2000,1000\n" : "b,12,60,4700,24,1000\n";
    }
    for (auto _ : state) {
        std::istringstream in(csv);
        Discard discard;
        std::ostream out(&discard);
        std::ostringstream err;
        benchmark::DoNotOptimize(batch::runVerification(in, out, err));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(verificaRows)->Arg(100'000)->Unit(benchmark::kMillisecond);

void campioniRows(benchmark::State& state)
{
    const std::string csv = "Vp,f,C,R,N\n10,50,10,2000," + std::to_string(state.range(0)) + "\n";
    for (auto _ : state) {
        std::istringstream in(csv);
        Discard discard;
        std::ostream out(&discard);
        std::ostringstream err;
        benchmark::DoNotOptimize(batch::runSamples(in, out, err));
    }
    state.SetItemsProcessed(state.iterations() * (state.range(0) + 1));
}
BENCHMARK(campioniRows)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace
