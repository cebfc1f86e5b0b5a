// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the verification and the graph button share: the five circuit fields,
// their conversion with the refusals, the time-constant warning and the
// simulation run on a trial that replaces the module only when accepted.

#include "calc/showmessage.h"

#include <functional>
#include <string>

namespace calc {

struct Module1;
struct CircuitParameters;

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

// 2*pi to 15 significant digits. Every result is formed from omega, and the
// program's figures rest on this value: the double nearest 2*pi would move
// their last digits.
inline constexpr double TwoPi = 6.28318530717958;

// The character check of the five fields, in their order.
bool checkCircuitFields(const CircuitTexts& texts, const ShowMessage& show);

// Whether the period is longer than R*C, which the press warns of.
bool timeConstantTooSmall(const CircuitParameters& m);

// One step of a press on its trial module.
using PressStep = std::function<Refusal(Module1& trial)>;

// A press on checked circuit fields. On a trial of m: converts the five texts
// into Vp, f, C (farads), R, N, omega and dt, then `prepare`, the
// time-constant warning ("Costante di tempo RC troppo piccola, aumenta C!"
// when the period is longer than R*C; the press goes on), the simulation of
// one period, its four measurements, and `check` of what the press shows of
// them. The trial replaces m only when no step refused; a refusal shows its
// one message and leaves m as it was. Conversion refuses what cannot be
// simulated: a value beyond a double, f, C or R not above zero, N outside
// 1 .. Module1::MaxN, and arrays that cannot be allocated.
bool pressCircuit(Module1& m, const CircuitTexts& texts, const ShowMessage& show, const PressStep& prepare,
                  const PressStep& check);

} // namespace calc
