// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/pagecurves.h"

#include "calc/module1.h"
#include "graphs/plotcurves.h"
#include "graphs/plotgeometry.h"
#include "graphs/rangeextremes.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace graphs {

namespace {

// Maps a sample (slot position u = slot + k / N, value) into the plot.
struct Mapping {
    QRectF plot;
    int Np;
    const Curve& curve;
    double x(double u) const { return plot.left() + plot.width() * u / Np; }
    double y(double value) const
    {
        const double user = userY(curve, value);
        // Far outside the plot, where the clip hides it, but never infinite.
        const double held = std::isnan(user) ? 0 : std::clamp(user, -100.0, 200.0);
        return plot.bottom() - plot.height() * held / 100;
    }
};

// Adds points, leaving out one equal to the last and stretching a horizontal
// run instead of adding to it.
class Polyline {
public:
    void add(QPointF p)
    {
        const int n = path_.elementCount();
        if (n == 0) {
            path_.moveTo(p);
        } else if (p == path_.currentPosition()) {
            return;
        } else if (n >= 2 && p.y() == path_.elementAt(n - 1).y && p.y() == path_.elementAt(n - 2).y) {
            path_.setElementPositionAt(n - 1, p.x(), p.y());
        } else {
            path_.lineTo(p);
        }
    }
    const QPainterPath& path() const { return path_; }

private:
    QPainterPath path_;
};

// The first, lowest, highest and last of the samples that fall into one
// column, over every slot the column covers.
struct Column {
    bool any = false;
    double firstU = 0;
    double first = 0;
    double lowest = 0;
    double highest = 0;
    double lastU = 0;
    double last = 0;
};

// Column c of `columns` holds the positions u in [u0, u1); the last one u1 too.
Column columnOf(const calc::Module1Scalars& m, const Curve& curve, const RangeExtremes<double>& extremes, int c,
                int columns)
{
    const std::int32_t N = m.N;
    const auto& v = *curve.values;
    const double u0 = static_cast<double>(c) * m.Np / columns;
    const double u1 = static_cast<double>(c + 1) * m.Np / columns;
    const bool lastColumn = c + 1 == columns;
    Column col;
    const int lastSlot = std::min<int>(m.Np - 1, static_cast<int>(std::ceil(u1)) - 1);
    for (int slot = std::max(0, static_cast<int>(std::ceil(u0)) - 1); slot <= lastSlot; ++slot) {
        const auto firstK = static_cast<std::int32_t>(std::max(0.0, std::ceil((u0 - slot) * N)));
        const double end = lastColumn ? N : std::ceil((u1 - slot) * N) - 1;
        const auto lastK = static_cast<std::int32_t>(std::min<double>(N, end));
        if (firstK > lastK) {
            continue;
        }
        const auto e = extremes.over(static_cast<std::size_t>(firstK), static_cast<std::size_t>(lastK));
        if (!col.any) {
            col = {true, slot + static_cast<double>(firstK) / N, v[firstK], e.lowest, e.highest, 0, 0};
        }
        col.lowest = std::min(col.lowest, e.lowest);
        col.highest = std::max(col.highest, e.highest);
        col.lastU = slot + static_cast<double>(lastK) / N;
        col.last = v[lastK];
    }
    return col;
}

QPainterPath reducedCurve(const calc::Module1Scalars& m, const Mapping& map, int columns)
{
    const RangeExtremes<double> extremes(map.curve.values->data(), static_cast<std::size_t>(m.N) + 1);
    Polyline line;
    for (int c = 0; c < columns; ++c) {
        const Column col = columnOf(m, map.curve, extremes, c, columns);
        if (!col.any) {
            continue;
        }
        line.add({map.x(col.firstU), map.y(col.first)});
        // Where the ends are the column's extremes, the line between them covers it.
        const bool monotonic =
            std::min(col.first, col.last) == col.lowest && std::max(col.first, col.last) == col.highest;
        if (!monotonic) {
            const double middle = map.x((col.firstU + col.lastU) / 2);
            line.add({middle, map.y(col.lowest)});
            line.add({middle, map.y(col.highest)});
        }
        line.add({map.x(col.lastU), map.y(col.last)});
    }
    return line.path();
}

QPen pen(unsigned colour)
{
    QPen p{QColor(QRgb(colour))};
    p.setWidthF(TwipsPerPixel);
    p.setCapStyle(Qt::FlatCap);
    return p;
}

} // namespace

void drawPagePlot(const calc::SampleArrays& arrays, const calc::Module1Scalars& m, QPainter& painter,
                  const QRectF& plot, int columns)
{
    painter.fillRect(plot, QColor(QRgb(BackgroundColour)));
    const auto at = [&plot](double x, double y) {
        return QPointF(plot.left() + plot.width() * x / 100, plot.bottom() - plot.height() * y / 100);
    };
    painter.setPen(pen(0x000000));
    forEachTick([&](double x1, double y1, double x2, double y2) { painter.drawLine(at(x1, y1), at(x2, y2)); });
    if (m.Np >= 1 && m.N >= 1) {
        painter.save();
        painter.setClipRect(plot);
        for (const Curve& c : curvesOf(arrays, m)) {
            painter.setPen(pen(c.colour));
            painter.drawPath(reducedCurve(m, Mapping{plot, m.Np, c}, columns));
        }
        painter.restore();
    }
    for (const Baseline& b : Baselines) {
        painter.setPen(pen(b.colour));
        painter.drawLine(at(0, b.y), at(100, b.y));
    }
}

} // namespace graphs
