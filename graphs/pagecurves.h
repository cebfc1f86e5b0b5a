// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/module1fwd.h"

class QPainter;
class QRectF;

namespace graphs {

// The plot's background, ticks, curves and baselines as vector paths into
// `plot`, the plot area's inside. Each curve keeps only the first, lowest,
// highest and last sample of each of `columns` columns, so the page's size
// hardly grows with N and Np.
void drawPagePlot(const calc::SampleArrays& arrays, const calc::Module1Scalars& m, QPainter& painter,
                  const QRectF& plot, int columns);

} // namespace graphs
