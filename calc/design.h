#pragma once

#include "calc/showmessage.h"

#include <optional>
#include <string>

namespace calc {

struct Module1Scalars;

// Texts of the "Progetto" fields as typed.
struct DesignTexts {
    std::string Text6 = "12";    // wanted VoDC, V
    std::string Text8 = "50";    // f, Hz
    std::string Text9 = "500";   // wanted IoDC, mA
    std::string Text10 = "3600"; // wanted ripple, mV
};

// What "Calcola" of "Progetto" writes: its three result boxes, and the four
// verification fields (with a point as separator, shown in blue).
struct DesignOutput {
    std::string Label29; // R, ohm
    std::string Label35; // Vp, V
    std::string Label31; // C, uF
    std::string Text1;   // Vp
    std::string Text4;   // R
    std::string Text3;   // C in uF
    std::string Text2;   // f
};

// Closed formulas only: Vp = Ripple/2 + VoDC, R = VoDC/IoDC,
// C = Vp/(Ripple*f*R). Empty when refused (message shown); then nothing in
// the module or the window changes.
std::optional<DesignOutput> Command3_Click(Module1Scalars& m, const DesignTexts& texts, char separator,
                                           const ShowMessage& show);

} // namespace calc
