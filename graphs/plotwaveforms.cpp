#include "graphs/plotwaveforms.h"

#include "calc/module1.h"
#include "graphs/plotscale.h"
#include "graphs/rangeextremes.h"

#include <QColor>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace graphs {

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor blue(0, 0, 255);
const QColor lightOrange(255, 224, 192);

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

// Pixel row of a sample value of the curve: the same in every slot, and
// monotonic in the value, so the extreme values of a stretch give its
// extreme rows.
int rowOf(const Curve& c, double value, const PlotScale& s)
{
    const double y = value * 48 / c.fullScale + c.baseline;
    return s.row(static_cast<float>(y));
}

// Pixel column of sample k in slot p.
struct SlotColumns {
    const calc::Module1& m;
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

// The runs of a slot. Columns never fall as k grows, so each run's end is
// found by galloping and bisection instead of by placing every sample.
void runsOf(const SlotColumns& columnOf, std::int32_t N, std::vector<Run>& runs)
{
    runs.clear();
    for (std::int32_t first = 0; first <= N;) {
        const int column = columnOf(first);
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
        runs.push_back({first, inside, column});
        first = inside + 1;
    }
}

// Vertical stretches of one column written straight into the image's
// 32-bit pixels: the pixels a vertical line between the ends covers.
class Spans {
public:
    explicit Spans(QImage& image)
        : bits_(image.bits()), stride_(image.bytesPerLine()), width_(image.width()), height_(image.height())
    {
    }
    void draw(int column, int top, int bottom, QRgb colour) const
    {
        if (column < 0 || column >= width_) {
            return;
        }
        top = std::max(top, 0);
        bottom = std::min(bottom, height_ - 1);
        if (top > bottom) {
            return;
        }
        uchar* pixel = bits_ + static_cast<qsizetype>(top) * stride_ + static_cast<qsizetype>(column) * 4;
        for (int y = top; y <= bottom; ++y, pixel += stride_) {
            *reinterpret_cast<QRgb*>(pixel) = colour;
        }
    }

private:
    uchar* bits_;
    qsizetype stride_;
    int width_;
    int height_;
};

} // namespace

PlotScale scaleOf(const QImage& image)
{
    return {image.width(), image.height()};
}

void PlotWaveforms(const calc::Module1& m, QImage& image)
{
    // The stretches are written as 32-bit pixels.
    Q_ASSERT(image.depth() == 32);
    const PlotScale s = scaleOf(image);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawTicks(painter, s);
    if (m.Np >= 1 && m.N >= 1) {
        const Spans spans(image);
        const auto curves = curvesOf(m);
        std::vector<RangeExtremes<double>> extremes;
        extremes.reserve(curves.size());
        for (const Curve& c : curves) {
            extremes.emplace_back(c.values->data(), static_cast<std::size_t>(m.N) + 1);
        }
        std::vector<Run> runs;
        std::vector<QLine> joins;
        for (int p = 1; p <= m.Np; ++p) {
            runsOf(SlotColumns{m, s, p}, m.N, runs);
            for (std::size_t c = 0; c < curves.size(); ++c) {
                // The segments inside one column are vertical and cover the
                // stretch from its lowest to its highest sample, both ends
                // included.
                const Curve& curve = curves[c];
                const calc::Samples& values = *curve.values;
                const QRgb colour = curve.colour.rgb();
                joins.clear();
                for (std::size_t r = 0; r < runs.size(); ++r) {
                    // A slot's last sample alone in its column is left to the
                    // painter: a shallow segment may end short of its end pixel.
                    const bool lastAlone = r > 0 && runs[r].first == m.N;
                    if (!lastAlone) {
                        const auto e = extremes[c].over(runs[r].first, runs[r].last);
                        const int a = rowOf(curve, e.lowest, s);
                        const int b = rowOf(curve, e.highest, s);
                        spans.draw(runs[r].column, std::min(a, b), std::max(a, b), colour);
                    }
                    if (r == 0) {
                        continue;
                    }
                    // The segment from the last sample of a column to the first
                    // of the next. It always covers its start pixel; between
                    // neighbouring pixels it covers nothing the two stretches
                    // do not.
                    const QPoint from(runs[r - 1].column, rowOf(curve, values[runs[r - 1].last], s));
                    const QPoint to(runs[r].column, rowOf(curve, values[runs[r].first], s));
                    if (lastAlone || to.x() - from.x() > 1 || std::abs(to.y() - from.y()) > 1) {
                        joins.emplace_back(from, to);
                    }
                }
                painter.setPen(QPen(curve.colour, 0));
                painter.drawLines(joins.data(), static_cast<int>(joins.size()));
            }
        }
    }
    drawBaselines(painter, s);
}

void PlotWaveformsSegmentBySegment(const calc::Module1& m, QImage& image)
{
    const PlotScale s = scaleOf(image);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawTicks(painter, s);
    if (m.Np >= 1 && m.N >= 1) {
        const auto curves = curvesOf(m);
        std::vector<QPoint> points(static_cast<std::size_t>(m.N) + 1);
        for (int p = 1; p <= m.Np; ++p) {
            const SlotColumns columnOf{m, s, p};
            for (const Curve& c : curves) {
                for (std::int32_t k = 0; k <= m.N; ++k) {
                    points[k] = QPoint(columnOf(k), rowOf(c, (*c.values)[k], s));
                }
                painter.setPen(QPen(c.colour, 0));
                for (std::int32_t k = 0; k < m.N; ++k) {
                    painter.drawLine(points[k], points[k + 1]);
                }
            }
        }
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
