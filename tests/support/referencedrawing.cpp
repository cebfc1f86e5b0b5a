// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/referencedrawing.h"

#include "calc/module1.h"
#include "graphs/plotscale.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

QPoint at(const graphs::PlotScale& s, double x, double y)
{
    return {s.column(static_cast<float>(x)), s.row(static_cast<float>(y))};
}

void drawTicks(QPainter& painter, const graphs::PlotScale& s)
{
    painter.setPen(QPen(Qt::black, 0));
    for (int k = 5; k <= 100; k += 5) {
        painter.drawLine(at(s, 0, k), at(s, 0.2, k));
    }
    for (int k = 0; k <= 100; k += 25) {
        painter.drawLine(at(s, k, 0), at(s, k, 0.5));
    }
}

} // namespace

void PlotWaveformsSegmentBySegment(const calc::Module1& m, QImage& image)
{
    const graphs::PlotScale s{image.width(), image.height()};
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawTicks(painter, s);
    // Its own numbers, so that a wrong constant in the shipped drawing shows.
    struct Curve {
        const calc::Samples& values;
        double peak;
        double baseline;
        QColor colour;
    };
    const Curve curves[] = {{m.id, m.IdPicco, 50, QColor(255, 0, 0)},
                            {m.VoNoC, m.Vp, 0.1, QColor(0, 255, 0)},
                            {m.Vc, m.Vomax, 0.1, QColor(0, 0, 255)}};
    const double slot = 100.0 / std::max<int>(m.Np, 1);
    std::vector<QPoint> points(static_cast<std::size_t>(std::max(m.N, 0)) + 1);
    for (int p = 0; p < m.Np && m.N >= 1; ++p) {
        for (const Curve& c : curves) {
            for (std::int32_t k = 0; k <= m.N; ++k) {
                const double x = slot * p + slot * k / m.N;
                const double y = c.values[k] * 48 / c.peak + c.baseline;
                points[k] = at(s, x, y);
            }
            painter.setPen(QPen(c.colour, 0));
            for (std::int32_t k = 0; k < m.N; ++k) {
                painter.drawLine(points[k], points[k + 1]);
            }
        }
    }
    painter.setPen(QPen(QColor(255, 0, 0), 0));
    painter.drawLine(at(s, 0, 50), at(s, 100, 50));
    painter.setPen(QPen(QColor(0, 0, 255), 0));
    painter.drawLine(at(s, 0, 0.1F), at(s, 100, 0.1F));
}
