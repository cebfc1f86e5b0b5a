// SPDX-License-Identifier: GPL-3.0-or-later
// The floor under a press at N (default the largest): writing three arrays of
// N + 2 doubles, first into fresh memory with small pages, as a new process
// must, then the same arrays again, as a later press can. One thread, plain
// stores. Prints both times in seconds.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

double secondsToWrite(double* const (&arrays)[3], std::size_t n, double value)
{
    const auto start = std::chrono::steady_clock::now();
    for (double* a : arrays) {
        for (std::size_t k = 0; k < n; ++k) {
            a[k] = value;
        }
        // Keeps the stores: the arrays are never read.
        asm volatile("" : : "r"(a) : "memory");
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char* argv[])
{
    const std::size_t n = (argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 53'687'091) + 2;
    // new[] leaves doubles unwritten: the first loop touches every page first.
    const std::unique_ptr<double[]> Vc(new double[n]);
    const std::unique_ptr<double[]> id(new double[n]);
    const std::unique_ptr<double[]> VoNoC(new double[n]);
    double* const arrays[3] = {Vc.get(), id.get(), VoNoC.get()};
    const double cold = secondsToWrite(arrays, n, 1);
    const double warm = secondsToWrite(arrays, n, 2);
    std::printf("cold %.3f s, warm %.3f s\n", cold, warm);
    return 0;
}
