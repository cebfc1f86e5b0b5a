// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImage;

namespace calc {
struct Module1;
}

// The straightforward drawing: a drawLine for every segment between
// neighbouring samples, over the ticks and under the baselines.
void PlotWaveformsSegmentBySegment(const calc::Module1& m, QImage& image);
