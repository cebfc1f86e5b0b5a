// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words and numbers of the printed page, apart from where they stand.

#include <string>
#include <vector>

namespace calc {
struct Module1Scalars;
}

namespace graphs {

// What the page says beyond the module: a subtitle (may be empty) and the
// decimal separator of its numbers.
struct PageText {
    std::string subtitle;
    char separator = '.';
};

// x with `digits` significant digits, and all of its whole part: no
// exponent from 1 up to 1e17. `separator` stands for the point.
std::string readableNumber(double x, int digits, char separator);

// "Vp = 10 V   f = 50 Hz   C = 10 µF   R = 2000 Ω   N = 10000   Np = 4".
std::string circuitLine(const calc::Module1Scalars& m, char separator);

// The three results as the verification's boxes show them, with units.
std::string resultsLine(const calc::Module1Scalars& m, char separator);

// The time scale: the start of every `step`-th period, in ms.
struct TimeLabel {
    int period;
    std::string text;
};
std::vector<TimeLabel> timeLabels(const calc::Module1Scalars& m, int step, char separator);

// The labels' step: the least of 1, 2, 5, 10, 20, 50, ... whose labels,
// `width` apart per period, leave `needed` between neighbours' centres.
int labelStep(double width, double needed);

// The full scales of the bands: the diode current in mA, the load voltage and
// the voltage without capacitor in V; the curves reach them at their peaks.
std::string currentFullScale(const calc::Module1Scalars& m, char separator);
std::string loadFullScale(const calc::Module1Scalars& m, char separator);
std::string halfWaveFullScale(const calc::Module1Scalars& m, char separator);

} // namespace graphs
