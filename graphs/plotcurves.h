// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the plot shows, whatever draws it: the window's pixels or the page's
// vector paths.

#include "calc/module1.h"
#include "graphs/plotgeometry.h"

#include <array>

namespace graphs {

struct Curve {
    const calc::Samples* values;
    double fullScale; // the value drawn a full scale above the baseline
    double baseline;
    unsigned colour;
};

// The diode current, the half-wave and the load voltage, drawn in this order.
inline std::array<Curve, 3> curvesOf(const calc::SampleArrays& arrays, const calc::Module1Scalars& m)
{
    return {{{&arrays.id, m.IdPicco, CurrentBaseline, CurrentColour},
             {&arrays.VoNoC, m.Vp, VoltageBaseline, HalfWaveColour},
             {&arrays.Vc, m.Vomax, VoltageBaseline, LoadColour}}};
}

// The lines the current and the voltages stand on, drawn over the curves.
struct Baseline {
    double y;
    unsigned colour;
};
inline constexpr std::array<Baseline, 2> Baselines{{{CurrentBaseline, CurrentColour}, {VoltageBaseline, LoadColour}}};

// A sample value's height in the user scale; monotonic in the value.
inline double userY(const Curve& c, double value)
{
    return value * FullScale / c.fullScale + c.baseline;
}

// The tick marks along the left and the bottom edge, each passed to
// line(x1, y1, x2, y2) in the user scale.
template <class Line>
void forEachTick(Line line)
{
    for (int k = 100; k >= 1; k -= 5) {
        line(0.0, static_cast<double>(k), 0.2, static_cast<double>(k));
    }
    for (int k = 0; k <= 100; k += 25) {
        line(static_cast<double>(k), 0.0, static_cast<double>(k), 0.5);
    }
}

} // namespace graphs
