// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/showmessage.h"

#include <optional>
#include <string>

namespace calc {

struct Module1Scalars;

// Texts of the "Progetto" fields as typed.
struct DesignTexts {
    std::string VoDC = "12";     // wanted VoDC, V
    std::string f = "50";        // f, Hz
    std::string IoDC = "500";    // wanted IoDC, mA
    std::string Ripple = "3600"; // wanted ripple, mV
};

// What "Calcola" of "Progetto" writes: its three result boxes, and the four
// verification fields (with a point as separator, shown in blue).
struct DesignResults {
    std::string R;       // R, ohm
    std::string Vp;      // Vp, V
    std::string C;       // C, uF
    std::string VpField; // Vp
    std::string RField;  // R
    std::string CField;  // C in uF
    std::string fField;  // f
};

// Closed formulas only: Vp = Ripple/2 + VoDC, R = VoDC/IoDC,
// C = Vp/(Ripple*f*R). Empty when refused (message shown); then nothing in
// the module or the window changes.
std::optional<DesignResults> Command3_Click(Module1Scalars& m, const DesignTexts& texts, char separator,
                                            const ShowMessage& show);

} // namespace calc
