// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sample loop of one period, cut into stretches that run side by side.
//
//   Module1::CalcSamples ──> runSampleLoop ──> stretches, shared among threads,
//                                              each one sampleStretchOf
//                                              (sampleloop_kernel.h) on the
//                                              best lanes the processor has:
//                                              AVX2 + FMA, AdvSIMD or scalar
//
// sampleloop_avx2.cpp includes this header under -mavx2 -mfma, so it holds
// data and declarations only: an inline function compiled there could be the
// copy the linker keeps for every caller, on processors without AVX2 too.

#include <cstdint>
#include <limits>
#include <span>

namespace calc {

struct Measured;
struct Module1;

// What the loop reads, in Module1's names and units, and the arrays it writes:
// index k holds the sample at t = k/(N*f), k = 0 .. N.
struct SampleLoop {
    double Vp = 0;
    double f = 0;
    double C = 0;
    double R = 0;
    std::int32_t N = 0;
    double omega = 0;
    double dt = 0;
    double t1 = 0;
    double t2 = 0;
    double* Vc = nullptr;
    double* id = nullptr;
    double* VoNoC = nullptr;
};

// A constant rather than a call to numeric_limits: at -O0 such a call is a
// function of its own, and the copy compiled under -mavx2 could be the one
// every caller gets.
inline constexpr double Infinity = std::numeric_limits<double>::infinity();

// What one stretch measured in each of its lanes, lane l having seen samples
// first + l, first + l + lanes, ... The lanes and then the stretches are
// combined in order, so the figures do not depend on the lanes' width or on
// the order the stretches finish in.
struct StretchMeasured {
    static constexpr int MaxLanes = 4;
    int lanes = 0;
    double IdPicco[MaxLanes] = {};
    double Vomax[MaxLanes] = {};
    double Vomin[MaxLanes] = {};
    double SumVc[MaxLanes] = {};
};

// Samples first .. last. The scalar one, on libm, is the reference and runs on
// every processor.
StretchMeasured sampleStretch(const SampleLoop& loop, std::int32_t first, std::int32_t last);
#if defined(RADDRIZZATORE_AVX2_LANES)
StretchMeasured sampleStretchAvx2(const SampleLoop& loop, std::int32_t first, std::int32_t last);
#elif defined(RADDRIZZATORE_ADVSIMD_LANES)
StretchMeasured sampleStretchAdvSimd(const SampleLoop& loop, std::int32_t first, std::int32_t last);
#endif
using SampleStretch = StretchMeasured (*)(const SampleLoop&, std::int32_t, std::int32_t);

// The vector stretch where the processor runs it, chosen once.
SampleStretch bestSampleStretch();
// The stretches a period is cut into. N alone decides them, so the sum for the
// mean comes out the same on any number of cores.
int stretchesFor(std::int32_t N);
// One thread below the size where another pays for itself, else one a core.
int threadsFor(std::int32_t N);
// Samples 0 .. N in contiguous stretches, shared out in order among the
// threads, the first being the calling one. Each stretch writes its own part
// of the arrays and its own measurements, combined in order once all are done.
Measured runSampleLoop(const SampleLoop& loop, SampleStretch stretch, int stretches, int threads);
// The stretches' lanes in order under the rule each sample is measured by,
// opened on the first sample, so a first sample that is not a number carries
// through every comparison.
Measured combined(const SampleLoop& loop, std::span<const StretchMeasured> parts);

// The loop over m's parameters, switching instants and arrays, already sized.
SampleLoop sampleLoopOf(Module1& m);

} // namespace calc
