// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImage;

namespace calc {
struct Module1;
}

// The graph as the straightforward drawing makes it: every segment between
// neighbouring samples with its own drawLine, over the ticks and under the
// baselines. The yardstick for the shipped drawing in the tests and the
// benchmarks.
void PlotWaveformsSegmentBySegment(const calc::Module1& m, QImage& image);
