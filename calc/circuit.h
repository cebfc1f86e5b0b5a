#pragma once

// What the verification and the graph button share: the five circuit fields,
// their conversion with the refusals, the time-constant warning and the
// simulation run.

#include "calc/showmessage.h"

#include <string>

namespace calc {

struct Module1;
struct Module1Scalars;

// Texts of the five circuit fields as typed; their defaults are the fields' default texts.
struct CircuitTexts {
    std::string Vp = "10";   // Vp, V
    std::string f = "50";    // f, Hz
    std::string C = "10";    // C, uF
    std::string R = "2000";  // R, ohm
    std::string N = "10000"; // N
};

// The default text of the graph's periods field, Np.
inline constexpr const char* DefaultNp = "4";

// The literal the angular frequency is formed with, not a more precise 2*pi.
inline constexpr double TwoPi = 6.28318530717958;

// The character check of the five fields, in their order.
bool checkCircuitFields(Module1Scalars& m, const CircuitTexts& texts, const ShowMessage& show);

// Converts the five texts into Vp, f, C (farads), R, N and sets omega.
// Refuses, with a message naming the field, what cannot be simulated: a value
// beyond a double, f, C or R not above zero, N outside 1 .. Module1::MaxN.
bool convertCircuit(Module1Scalars& m, const CircuitTexts& texts, const ShowMessage& show);

// "Costante di tempo RC troppo piccola, aumenta C!" when the period is longer
// than R*C; the calculation goes on either way.
void warnTimeConstant(const Module1Scalars& m, const ShowMessage& show);

// CalcWaveforms on a trial of m, with a message instead of a crash when the
// arrays cannot be had.
bool simulate(Module1& m, Module1& trial, const ShowMessage& show);

} // namespace calc
