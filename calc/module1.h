#pragma once

// The calculation state shared by every button and by the graph readout.
//
//   Form1 buttons ──> Command1_Click (verification.h) ─┐
//                     Command3_Click (design.h)         ├─> Module1
//                     Command2_Click (graphs/)         ─┘     │
//   Form2 mouse   ──> Picture1_MouseMove (graphs/) ──────────┘ (reads)
//
// The handlers check fields with CheckNumber, convert with Val, then run
// CalcWaveforms and the scans. Units inside are SI (V, A, s, F, ohm).

#include <cstdint>
#include <string>
#include <vector>

namespace calc {

// Scalars of the state, kept apart from the sample arrays so that a press can
// try a simulation on a copy and keep the previous one if it is refused.
struct Module1Scalars {
    double Vp = 0;      // V, generator peak
    double f = 0;       // Hz
    double C = 0;       // F for the simulation; the design leaves uF here
    double R = 0;       // ohm
    std::int32_t N = 0; // samples per period (Long)
    double omega = 0;   // rad/s
    double dt = 0;      // s, sample spacing
    std::int16_t Np = 0; // periods shown in the graph (Integer)
    double t1 = 0;      // s, switch-off instant; 0 when not found
    double t2 = 0;      // s, switch-on instant

    double IdPicco = 0; // A
    double Vomax = 0;   // V
    double Vomin = 0;   // V
    double SumVc = 0;   // V*s
    double VoDC = 0;    // V, mean load voltage (wanted output in the design)
    double IoDC = 0;    // A, wanted load current (design)
    double Ripple = 0;  // V, wanted ripple (design)

    std::string ResultText;
    std::string FieldText;
    std::string MsgMissing;
    std::string MsgInvalid;
    std::int16_t InputError = 0;
};

struct Module1 : Module1Scalars {
    // Index k holds t = k/(N*f); N+2 elements, the last one always 0.
    std::vector<double> Vc;    // V, load voltage
    std::vector<double> id;    // A, diode current
    std::vector<double> VoNoC; // V, half-wave without capacitor

    // Bumped by every CalcWaveforms, so readers can tell new arrays from old.
    std::uint64_t generation = 0;

    // 40*N fits a Long up to here.
    static constexpr std::int32_t MaxN = 53'687'091;

    void CalcT1();
    void CalcT2();
    // Throws std::bad_alloc when the arrays cannot be had.
    void CalcWaveforms();
    void CalcIdPicco();
    void CalcVomax();
    void CalcVomin();
    void CalcVoDC();

    // The same state without the arrays: a trial for a press that may be refused.
    Module1 withoutSamples() const;
};

} // namespace calc
