#include "calc/module1.h"
#include "graphs/graphpress.h"
#include "graphs/plotgeometry.h"
#include "graphs/plotscale.h"
#include "graphs/plotwaveforms.h"
#include "tests/support/pixels.h"
#include "tests/support/referencedrawing.h"

#include <QImage>

#include <gtest/gtest.h>

#include <random>

namespace {

const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255);

// Smooth, noisy and stepped curves on grids from one sample a period to many per pixel column, at scale 1 and 2.
TEST(Plot, ReducedLinesCoverExactlyThePixelsOfTheSegments)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> noise(-1.2, 1.2);
    const std::pair<int, int> grids[] = {{1, 1}, {1, 50}, {2, 13}, {3, 4}, {7, 2}, {399, 13}, {10000, 4}, {100000, 1}};
    for (const auto& [N, Np] : grids) {
        for (int shape = 0; shape < 3; ++shape) {
            calc::Module1 m;
            m.N = N;
            m.Np = static_cast<std::int16_t>(Np);
            for (calc::Samples* a : {&m.Vc, &m.id, &m.VoNoC}) {
                a->resize(static_cast<std::size_t>(N) + 2);
            }
            for (int k = 0; k <= N; ++k) {
                const double phase = 6.283 * k / N;
                m.id[k] = shape == 0 ? std::cos(phase) : shape == 1 ? noise(random) : (k / 17) % 2;
                m.Vc[k] = shape == 0 ? std::sin(3 * phase) : shape == 1 ? noise(random) : (k / 5) % 3 - 1.0;
                m.VoNoC[k] = (shape == 2 ? noise(random) : std::max(0.0, std::cos(phase))) * (shape == 1 ? -1 : 1);
            }
            // Three scales, so that a curve drawn to another's shows; a negative generator turns its half-wave over.
            m.IdPicco = 1;
            m.Vomax = 0.9;
            m.Vp = shape == 1 ? -1.1 : 1.1;
            const QSize size = QSize(graphs::PlotWidth, graphs::PlotHeight) * (shape == 1 ? 2 : 1);
            QImage shipped = graphs::blankPlot(size), reference = graphs::blankPlot(size);
            graphs::PlotWaveforms(m, shipped);
            PlotWaveformsSegmentBySegment(m, reference);
            ASSERT_TRUE(shipped == reference) << "N=" << N << " Np=" << Np << " shape=" << shape;
        }
    }
}

TEST(Plot, DefaultGraphPeaksBaselinesAndSlots)
{
    calc::Module1 m;
    ASSERT_TRUE(graphs::Command2_Click(m, {}, "4", [](calc::Severity, const std::string&) {}));
    QImage image = graphs::blankPlot(QSize(graphs::PlotWidth, graphs::PlotHeight));
    graphs::PlotWaveforms(m, image);
    const graphs::PlotScale s = graphs::scaleOf(image);
    const auto inRow = [&image](QRgb colour, int row) { return countPixels(image, colour, {0, row, 989, 1}); };

    EXPECT_EQ(inRow(red, s.row(50)) + inRow(blue, s.row(0.1F)), 2 * 989) << "both baselines span the width";
    EXPECT_GE(inRow(red, s.row(98)), 4) << "a current peak in each period";
    EXPECT_EQ(inRow(red, s.row(98) - 1), 0) << "and nothing above it";
    EXPECT_GE(inRow(blue, s.row(48.1F)) + inRow(green, s.row(48.1F)), 4);
    EXPECT_EQ(inRow(blue, s.row(48.1F) - 1) + inRow(green, s.row(48.1F) - 1), 0);
    // No green where the generator is negative, over the middle half of each slot; an eighth into each period it
    // stands at Vp*cos(45 degrees).
    for (int p = 0; p < 4; ++p) {
        const QRect middle(QPoint(s.column(25.0F * p + 6.5F), 0), QPoint(s.column(25.0F * p + 18.5F), 581));
        EXPECT_EQ(countPixels(image, green, middle), 0) << "slot " << p;
        EXPECT_EQ(image.pixel(s.column(25.0F * p + 3.125F), s.row(0.1F + 48 * 0.70711F)), green) << "slot " << p;
    }
    // Tick marks: 20 on the left edge, 5 on the bottom; the rest is the background.
    EXPECT_EQ(image.pixel(0, s.row(5)) + image.pixel(s.column(25), s.row(0.5F)), 2 * qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(s.column(1), s.row(5)), qRgb(255, 224, 192));
}

} // namespace
