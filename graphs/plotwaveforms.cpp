#include "graphs/plotwaveforms.h"

#include "calc/module1.h"
#include "graphs/plotscale.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QLine>
#include <QPoint>

#include <algorithm>
#include <array>
#include <vector>

namespace graphs {

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor blue(0, 0, 255);

struct Curve {
    const calc::Samples* values;
    double fullScale; // the value drawn 48 units above the baseline
    double baseline;
    QColor colour;
};

std::array<Curve, 3> curvesOf(const calc::Module1& m)
{
    return {{{&m.id, m.IdPicco, 50, red}, {&m.VoNoC, m.Vp, 0.1, green}, {&m.Vc, m.Vomax, 0.1, blue}}};
}

void line(QPainter& painter, const PlotScale& s, float x1, float y1, float x2, float y2)
{
    painter.drawLine(QPoint(s.column(x1), s.row(y1)), QPoint(s.column(x2), s.row(y2)));
}

void drawTicks(QPainter& painter, const PlotScale& s)
{
    painter.setPen(QPen(Qt::black, 0));
    for (int k = 100; k >= 1; k -= 5) {
        line(painter, s, 0, static_cast<float>(k), 0.2F, static_cast<float>(k));
    }
    for (int k = 0; k <= 100; k += 25) {
        line(painter, s, static_cast<float>(k), 0, static_cast<float>(k), 0.5F);
    }
}

void drawBaselines(QPainter& painter, const PlotScale& s)
{
    painter.setPen(QPen(red, 0));
    line(painter, s, 0, 50, 100, 50);
    painter.setPen(QPen(blue, 0));
    line(painter, s, 0, 0.1F, 100, 0.1F);
}

// Pixel rows of one curve's samples: the same in every slot.
std::vector<int> rowsOf(const Curve& c, std::int32_t N, const PlotScale& s)
{
    std::vector<int> rows(static_cast<std::size_t>(N) + 1);
    for (std::int32_t k = 0; k <= N; ++k) {
        const double y = (*c.values)[k] * 48 / c.fullScale + c.baseline;
        rows[k] = s.row(static_cast<float>(y));
    }
    return rows;
}

// Pixel columns of the samples in slot p.
void columnsOf(const calc::Module1& m, int p, const PlotScale& s, std::vector<int>& columns)
{
    const double width = 100.0 / m.Np;
    for (std::int32_t k = 0; k <= m.N; ++k) {
        const double x = width * (p - 1) + width * k / m.N;
        columns[k] = s.column(static_cast<float>(x));
    }
}

void push(std::vector<QPoint>& points, QPoint p)
{
    if (points.empty() || points.back() != p) {
        points.push_back(p);
    }
}

// A column's run of samples covers the pixels from its lowest to its highest
// row; first and last keep the joins to the neighbouring columns.
void reduce(const std::vector<int>& columns, const std::vector<int>& rows, std::vector<QPoint>& points)
{
    points.clear();
    const std::size_t n = columns.size();
    for (std::size_t i = 0; i < n;) {
        const int column = columns[i];
        std::size_t j = i;
        int lowest = rows[i];
        int highest = rows[i];
        while (j + 1 < n && columns[j + 1] == column) {
            ++j;
            lowest = std::min(lowest, rows[j]);
            highest = std::max(highest, rows[j]);
        }
        push(points, {column, rows[i]});
        push(points, {column, lowest});
        push(points, {column, highest});
        push(points, {column, rows[j]});
        i = j + 1;
    }
}

template <class DrawSlot>
void plot(const calc::Module1& m, QImage& image, DrawSlot drawSlot)
{
    const PlotScale s = scaleOf(image);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawTicks(painter, s);
    if (m.Np >= 1 && m.N >= 1) {
        const auto curves = curvesOf(m);
        std::array<std::vector<int>, 3> rows;
        for (std::size_t c = 0; c < curves.size(); ++c) {
            rows[c] = rowsOf(curves[c], m.N, s);
        }
        std::vector<int> columns(static_cast<std::size_t>(m.N) + 1);
        for (int p = 1; p <= m.Np; ++p) {
            columnsOf(m, p, s, columns);
            for (std::size_t c = 0; c < curves.size(); ++c) {
                painter.setPen(QPen(curves[c].colour, 0));
                drawSlot(painter, columns, rows[c]);
            }
        }
    }
    drawBaselines(painter, s);
}

} // namespace

PlotScale scaleOf(const QImage& image)
{
    return {image.width(), image.height()};
}

void PlotWaveforms(const calc::Module1& m, QImage& image)
{
    std::vector<QPoint> points;
    std::vector<QLine> lines;
    plot(m, image, [&](QPainter& painter, const std::vector<int>& columns, const std::vector<int>& rows) {
        reduce(columns, rows, points);
        // Separate lines, not a polyline: the painter's polyline leaves out
        // some join pixels that the same segments drawn alone would cover.
        lines.clear();
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            lines.emplace_back(points[i], points[i + 1]);
        }
        if (lines.empty()) {
            lines.emplace_back(points[0], points[0]);
        }
        painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    });
}

void PlotWaveformsSegmentBySegment(const calc::Module1& m, QImage& image)
{
    plot(m, image, [](QPainter& painter, const std::vector<int>& columns, const std::vector<int>& rows) {
        for (std::size_t k = 0; k + 1 < columns.size(); ++k) {
            painter.drawLine(QPoint(columns[k], rows[k]), QPoint(columns[k + 1], rows[k + 1]));
        }
    });
}

} // namespace graphs
