// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;

namespace calc {
struct Module1Scalars;
}

namespace graphs {

// The page's scales around the plot (pagePlot()): the time in ms below it at
// the periods' starts, the current band's and the voltage band's 0 and full
// scale to its left, each with a tick at its height and a title with the
// quantity and its unit. The full scales are the ones the curves are drawn with.
void drawPageScales(const calc::Module1Scalars& m, QPainter& painter, char separator);

} // namespace graphs
