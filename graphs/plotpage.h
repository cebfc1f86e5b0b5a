// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/module1fwd.h"
#include "graphs/pagetexts.h"

class QPainter;
class QRectF;

namespace graphs {

// The page's margins in millimetres, printed or in a PDF.
inline constexpr double PageMargin = 10;

// The finest resolution the page's curves are reduced for, which is the PDF's.
inline constexpr int PageDotsPerInch = 600;

// The graph window on paper, fitted into `page` (device units of the
// painter, centred, proportions kept): the title, the subtitle, the circuit
// with its three results and the time-constant warning where it applies,
// then the plot (see drawPagePlot) with its scales (drawPageScales) and a
// legend of its three curves. Everything is vector paths and text.
// The arrays and the scalars are those of a module; a caller may pass the
// scalars the window's drawing was made from, which a later design press
// changes without simulating.
void drawPlotPage(const calc::SampleArrays& arrays, const calc::Module1Scalars& m, QPainter& painter,
                  const QRectF& page, const PageText& text);

} // namespace graphs
