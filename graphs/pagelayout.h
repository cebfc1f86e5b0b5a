// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The printed page, laid out in the graph window's twips: the window's plot
// and legend where the window has them, with bands around them for what the
// page adds: the circuit above, the current's and the voltages' scales to the
// left, the time's below.

#include "graphs/plotgeometry.h"

#include <QRectF>
#include <QString>

class QFont;
class QPainter;

namespace graphs {

inline constexpr double PageLeft = -1500;
inline constexpr double PageTop = -1500;
inline constexpr double PageRight = WindowWidth;
inline constexpr double PageBottom = 9660;

// Text heights, in twips.
inline constexpr double TitleTwips = 240;
inline constexpr double SubtitleTwips = 200;
inline constexpr double TextTwips = 165;

// The plot area with its sunken edge, and its inside.
inline QRectF pagePlotFrame()
{
    constexpr double side = 2 * PlotBorder * TwipsPerPixel;
    return {PlotLeft, PlotTop, PlotWidth * TwipsPerPixel + side, PlotHeight * TwipsPerPixel + side};
}
inline QRectF pagePlot()
{
    constexpr double border = PlotBorder * TwipsPerPixel;
    return pagePlotFrame().adjusted(border, border, -border, -border);
}

// The page's bold sans-serif, `twips` high whatever the device's resolution.
QFont pageFont(const QPainter& painter, double twips);

// Draws `text` into `box` with Qt's alignment `flags` in a colour 0xRRGGBB.
void drawPageText(QPainter& painter, const QRectF& box, int flags, double twips, const QString& text,
                  unsigned colour = 0);

// The width `text` takes on the page.
double pageTextWidth(const QPainter& painter, double twips, const QString& text);

} // namespace graphs
