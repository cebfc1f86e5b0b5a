// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/module1.h"

#include "calc/sampleloop.h"
#include "calc/scalarlanes.h"

#include <cstddef>

namespace calc {

namespace {

// Sized for n elements, reusing the buffer unless it is too small or far too
// large to keep.
void resize(Samples& a, std::size_t n)
{
    if (a.capacity() < n || a.capacity() / 4 > n + 1024) {
        a = Samples();
    }
    a.resize(n);
}

} // namespace

void Module1::CalcWaveforms()
{
    const auto size = static_cast<std::size_t>(N) + 2;
    resize(Vc, size);
    resize(VoNoC, size);
    resize(id, size);
    Vc[N + 1] = 0;
    VoNoC[N + 1] = 0;
    id[N + 1] = 0;
    ++generation;
    simulatedFrom_ = static_cast<const CircuitParameters&>(*this);

    CalcT1();
    CalcT2();
    CalcSamples();
}

void Module1::CalcSamples()
{
    measured_ = runSampleLoop(sampleLoopOf(*this), bestSampleStretch(), stretchesFor(N), threadsFor(N));
}

void Module1::CalcIdPicco()
{
    IdPicco = measured_.IdPicco;
}

void Module1::CalcVomax()
{
    Vomax = measured_.Vomax;
}

// The sample loop takes it from the magnitude: for a negative Vp, whose first
// sample is negative, it is the smallest magnitude.
void Module1::CalcVomin()
{
    Vomin = measured_.Vomin;
}

// The sample loop's sum counts the sample at t = T once: it repeats the one
// at t = 0.
void Module1::CalcVoDC()
{
    SumVc = measured_.SumVc;
    VoDC = f * SumVc;
}

void Module1::CalcMeasurements()
{
    CalcIdPicco();
    CalcVomin();
    CalcVomax();
    CalcVoDC();
}

// By the loop's own rule, so that a time read off the arrays is the one the
// sample was computed at.
double Module1::sampleTime(std::int32_t k) const
{
    return SampleTimes<ScalarLanes>::of(N, f).at(k);
}

} // namespace calc
