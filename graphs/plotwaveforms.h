// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/module1fwd.h"

class QImage;
class QSize;

namespace graphs {

struct PlotScale;

// Draws tick marks, the Np period slots of the red diode current, the green
// half-wave and the blue load voltage, then the red and blue baselines, into
// the plot area's image (device pixels, already blanked). Each sample is
// rounded to its pixel once; of a run of samples in one pixel column only the
// first, lowest, highest and last are kept, and each slot of each curve is
// drawn as one batch of lines between them, which covers exactly the pixels
// of its segments drawn one by one.
void PlotWaveforms(const calc::Module1& m, QImage& image);
// The same from arrays and the scalars they were simulated with, which a
// later design press may have changed in the module.
void PlotWaveforms(const calc::SampleArrays& arrays, const calc::Module1Scalars& m, QImage& image);

// The bare background of the plot area, of the given device pixels.
QImage blankPlot(const QSize& devicePixels);

// The user scale over all of the image's pixels.
PlotScale scaleOf(const QImage& image);

} // namespace graphs
