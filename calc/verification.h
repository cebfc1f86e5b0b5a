// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/circuit.h"
#include "calc/showmessage.h"

#include <optional>
#include <string>

namespace calc {

struct Module1;
struct Module1Scalars;

// The three results of "Verifica", formatted for their boxes.
struct VerificationResults {
    std::string Ripple;  // ripple, mV
    std::string IdPicco; // peak diode current, mA
    std::string VoDC;    // VoDC, V
};

// The results of a module simulated and measured, as their boxes show them.
VerificationResults formatResults(const Module1Scalars& m, char separator);

// "Calcola" of "Verifica": check, convert, warn, simulate one period, measure.
// Empty when the press was refused (its message shown): then the module and
// every result box stay as they were.
std::optional<VerificationResults> Command1_Click(Module1& m, const CircuitTexts& texts, char separator,
                                                  const ShowMessage& show);

} // namespace calc
