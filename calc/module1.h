// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculation state shared by every press and by the graph readout: the
// circuit's parameters, the arrays of one simulated period and what was
// measured on them.
//
//   Command1_Click (verification.h) ─┐
//   the graph's press               ─┴─> pressCircuit (circuit.h): on a trial(),
//                                        CheckNumber, Val, CalcWaveforms; then
//                                        commit() or discard()
//   Command3_Click (design.h) ──────────> the designed scalars, no simulation
//
// Units inside are SI (V, A, s, F, ohm).

#include "calc/samplememory.h"

#include <cstdint>
#include <vector>

namespace calc {

// What a simulation runs from: CalcWaveforms reads nothing else.
struct CircuitParameters {
    double Vp = 0;      // V, generator peak
    double f = 0;       // Hz
    double C = 0;       // F
    double R = 0;       // ohm
    std::int32_t N = 0; // samples per period
    double omega = 0;   // rad/s
    double dt = 0;      // s, sample spacing

    bool operator==(const CircuitParameters&) const = default;
};

// Scalars of the state, kept apart from the sample arrays so that a press can
// try a simulation on a copy and keep the previous one if it is refused.
struct Module1Scalars : CircuitParameters {
    std::int16_t Np = 0; // periods shown in the graph
    double t1 = 0;       // s, switch-off instant; 0 when not found
    double t2 = 0;       // s, switch-on instant

    double IdPicco = 0; // A
    double Vomax = 0;   // V
    double Vomin = 0;   // V
    double SumVc = 0;   // V*s
    double VoDC = 0;    // V, mean load voltage (wanted output in the design)

    bool operator==(const Module1Scalars&) const = default;
};

using Samples = std::vector<double, SampleAllocator<double>>;

struct SampleArrays {
    Samples Vc;    // V, load voltage
    Samples id;    // A, diode current
    Samples VoNoC; // V, half-wave without capacitor

    bool operator==(const SampleArrays&) const = default;
};

// What the sample loop measures while it writes the arrays. It runs in
// stretches, each measured apart and combined in order, so the figures do not
// depend on how many threads ran them.
struct Measured {
    double IdPicco = 0;
    double Vomax = 0;
    double Vomin = 0;
    double SumVc = 0;
};

struct Module1 : Module1Scalars, SampleArrays {
    // Bumped by every CalcWaveforms, so that a drawing can tell whether the
    // arrays are still the ones it was made from.
    std::uint64_t generation = 0;

    // 40*N fits 32 bits up to here.
    static constexpr std::int32_t MaxN = 53'687'091;

    void CalcT1();
    void CalcT2();
    // Index k of each array holds t = k/(N*f), k = 0 .. N; index N+1 is 0.
    // Throws std::bad_alloc when the arrays cannot be allocated.
    void CalcWaveforms();
    // The time of sample k, as the sample loop has it: the last sample stands
    // at the end of the period, whatever k/(N*f) rounds to.
    double sampleTime(std::int32_t k) const;
    // The sample loop of CalcWaveforms alone, into arrays already sized,
    // from the t1 and t2 already found.
    void CalcSamples();
    // The peak, the extremes and the mean of the arrays, from what the sample
    // loop measured: the arrays change only through CalcWaveforms.
    void CalcIdPicco();
    void CalcVomax();
    void CalcVomin();
    void CalcVoDC();
    // The four above, in the order every press runs them.
    void CalcMeasurements();

    // A press simulates on a trial and keeps it only when nothing was
    // refused. The trial reuses the buffers of the run before last: touching
    // fresh memory costs more than the whole sample loop.
    Module1 trial();
    // CalcWaveforms on the trial. When its arrays cannot be allocated, the
    // spare set and then the arrays on show are freed, and it tries again; false
    // when even that fails.
    bool simulate(Module1& trial);
    void commit(Module1&& trial);
    // Arrays freed for the trial are simulated again from what they were
    // simulated from, so a refused press leaves the module as it was. Where
    // even they cannot be had again, it keeps none, under a new generation.
    void discard(Module1&& trial);

private:
    SampleArrays& arrays() { return *this; }
    void restoreArrays(SampleArrays&& buffers);

    Measured measured_;
    // What the arrays on show were simulated from: a design press changes
    // the module's parameters without simulating.
    CircuitParameters simulatedFrom_;
    SampleArrays spare_;
    bool released_ = false; // the arrays on show were freed for a trial
};

} // namespace calc
