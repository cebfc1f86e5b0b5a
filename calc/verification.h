#pragma once

#include "calc/circuit.h"
#include "calc/showmessage.h"

#include <optional>
#include <string>

namespace calc {

struct Module1;

// Captions of the three result boxes of "Verifica".
struct VerificationCaptions {
    std::string Label10; // ripple, mV
    std::string Label22; // peak diode current, mA
    std::string Label13; // VoDC, V
};

// "Calcola" of "Verifica": check, convert, warn, simulate one period, measure.
// Empty when the press was refused (its message shown): then the module and
// every result box stay as they were.
std::optional<VerificationCaptions> Command1_Click(Module1& m, const CircuitTexts& texts, char separator,
                                                   const ShowMessage& show);

} // namespace calc
