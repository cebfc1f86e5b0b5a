// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/plotwaveforms.h"

#include "calc/module1.h"
#include "graphs/plotcurves.h"
#include "graphs/plotgeometry.h"
#include "graphs/plotscale.h"
#include "graphs/rangeextremes.h"

#include <QColor>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace graphs {

namespace {

const QColor lightOrange = QColor::fromRgb(BackgroundColour);

void line(QPainter& painter, const PlotScale& s, float x1, float y1, float x2, float y2)
{
    painter.drawLine(QPoint(s.column(x1), s.row(y1)), QPoint(s.column(x2), s.row(y2)));
}

void drawTicks(QPainter& painter, const PlotScale& s)
{
    painter.setPen(QPen(Qt::black, 0));
    forEachTick([&](double x1, double y1, double x2, double y2) {
        line(painter, s, static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
             static_cast<float>(y2));
    });
}

void drawBaselines(QPainter& painter, const PlotScale& s)
{
    for (const Baseline& b : Baselines) {
        painter.setPen(QPen(QColor::fromRgb(b.colour), 0));
        const auto y = static_cast<float>(b.y);
        line(painter, s, 0, y, 100, y);
    }
}

// Pixel row of a sample value of the curve: the same in every slot, and
// monotonic in the value, so the extreme values of a stretch give its
// extreme rows.
int rowOf(const Curve& c, double value, const PlotScale& s)
{
    return s.row(static_cast<float>(userY(c, value)));
}

// Pixel column of sample k in slot p.
struct SlotColumns {
    const calc::Module1Scalars& m;
    const PlotScale& s;
    int p;
    int operator()(std::int32_t k) const
    {
        const double width = 100.0 / m.Np;
        return s.column(static_cast<float>(width * (p - 1) + width * k / m.N));
    }
};

// Samples first .. last of a slot fall into one pixel column.
struct Run {
    std::int32_t first;
    std::int32_t last;
    int column;
};

// The last sample from first on that lies in the same column. Columns never
// fall as k grows, so it is found by galloping and bisection instead of by
// placing every sample.
std::int32_t lastInColumn(const SlotColumns& columnOf, std::int32_t N, std::int32_t first, int column)
{
    std::int32_t inside = first;  // known to lie in the column
    std::int32_t outside = N + 1; // known to lie beyond it, or past the end
    for (std::int32_t step = 1; step <= N - inside; step *= 2) {
        if (columnOf(inside + step) != column) {
            outside = inside + step;
            break;
        }
        inside += step;
    }
    while (outside - inside > 1) {
        const std::int32_t mid = inside + (outside - inside) / 2;
        (columnOf(mid) == column ? inside : outside) = mid;
    }
    return inside;
}

void runsOf(const SlotColumns& columnOf, std::int32_t N, std::vector<Run>& runs)
{
    runs.clear();
    for (std::int32_t first = 0; first <= N;) {
        const int column = columnOf(first);
        const std::int32_t last = lastInColumn(columnOf, N, first, column);
        runs.push_back({first, last, column});
        first = last + 1;
    }
}

// Vertical stretches of one column: the pixels a vertical line between the
// ends covers, filled as one rectangle by the same painter as the lines, so
// that each lands in the order it is drawn.
class Spans {
public:
    Spans(QPainter& painter, const QImage& image) : painter_(painter), width_(image.width()), height_(image.height()) {}
    void draw(int column, int top, int bottom, QRgb colour) const
    {
        if (column < 0 || column >= width_) {
            return;
        }
        top = std::max(top, 0);
        bottom = std::min(bottom, height_ - 1);
        if (top <= bottom) {
            painter_.fillRect(column, top, 1, bottom - top + 1, QColor::fromRgb(colour));
        }
    }

private:
    QPainter& painter_;
    int width_;
    int height_;
};

// Draws one curve over one slot from the slot's column runs.
class SlotCurve {
public:
    SlotCurve(const Curve& curve, const RangeExtremes<double>& extremes, const PlotScale& s)
        : curve_(curve), colour_(QColor::fromRgb(curve.colour)), extremes_(extremes), s_(s)
    {
    }

    void draw(const std::vector<Run>& runs, std::int32_t N, const Spans& spans, QPainter& painter,
              std::vector<QLine>& joins) const
    {
        joins.clear();
        for (std::size_t r = 0; r < runs.size(); ++r) {
            // A slot's last sample alone in its column is left to the
            // painter: a shallow segment may end short of its end pixel.
            const bool lastAlone = r > 0 && runs[r].first == N;
            if (!lastAlone) {
                stretch(runs[r], spans);
            }
            if (r > 0) {
                join(runs[r - 1], runs[r], lastAlone, joins);
            }
        }
        painter.setPen(QPen(colour_, 0));
        painter.drawLines(joins.data(), static_cast<int>(joins.size()));
    }

private:
    // The segments inside one column are vertical and cover the stretch from
    // its lowest to its highest sample, both ends included.
    void stretch(const Run& run, const Spans& spans) const
    {
        const auto e = extremes_.over(run.first, run.last);
        const int a = rowOf(curve_, e.lowest, s_);
        const int b = rowOf(curve_, e.highest, s_);
        spans.draw(run.column, std::min(a, b), std::max(a, b), colour_.rgb());
    }

    // The segment from the last sample of a column to the first of the next.
    // It always covers its start pixel; between neighbouring pixels it covers
    // nothing the two stretches do not, so only the others are kept.
    void join(const Run& before, const Run& after, bool lastAlone, std::vector<QLine>& joins) const
    {
        const calc::Samples& values = *curve_.values;
        const QPoint from(before.column, rowOf(curve_, values[before.last], s_));
        const QPoint to(after.column, rowOf(curve_, values[after.first], s_));
        if (lastAlone || to.x() - from.x() > 1 || std::abs(to.y() - from.y()) > 1) {
            joins.emplace_back(from, to);
        }
    }

    const Curve& curve_;
    QColor colour_;
    const RangeExtremes<double>& extremes_;
    const PlotScale& s_;
};

void drawCurves(const calc::SampleArrays& arrays, const calc::Module1Scalars& m, const PlotScale& s, const Spans& spans,
                QPainter& painter)
{
    const auto curves = curvesOf(arrays, m);
    std::vector<RangeExtremes<double>> extremes;
    extremes.reserve(curves.size());
    for (const Curve& c : curves) {
        extremes.emplace_back(c.values->data(), static_cast<std::size_t>(m.N) + 1);
    }
    // Each slot curve keeps a reference to its extremes, which no longer move.
    std::vector<SlotCurve> slotCurves;
    slotCurves.reserve(curves.size());
    for (std::size_t i = 0; i < curves.size(); ++i) {
        slotCurves.emplace_back(curves[i], extremes[i], s);
    }
    std::vector<Run> runs;
    std::vector<QLine> joins;
    for (int p = 1; p <= m.Np; ++p) {
        runsOf(SlotColumns{m, s, p}, m.N, runs);
        for (const SlotCurve& c : slotCurves) {
            c.draw(runs, m.N, spans, painter, joins);
        }
    }
}

} // namespace

PlotScale scaleOf(const QImage& image)
{
    return {image.width(), image.height()};
}

void PlotWaveforms(const calc::Module1& m, QImage& image)
{
    PlotWaveforms(m, m, image);
}

void PlotWaveforms(const calc::SampleArrays& arrays, const calc::Module1Scalars& m, QImage& image)
{
    const PlotScale s = scaleOf(image);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const Spans spans(painter, image);
    drawTicks(painter, s);
    if (m.Np >= 1 && m.N >= 1) {
        drawCurves(arrays, m, s, spans, painter);
    }
    drawBaselines(painter, s);
}

QImage blankPlot(const QSize& devicePixels)
{
    QImage image(devicePixels, QImage::Format_RGB32);
    image.fill(lightOrange);
    return image;
}

} // namespace graphs
