#include "calc/module1.h"
#include "graphs/graphpress.h"
#include "graphs/plotscale.h"
#include "graphs/plotwaveforms.h"
#include "tests/support/pixels.h"
#include "tests/support/referencedrawing.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <utility>
#include <vector>

namespace {

const QRgb red = qRgb(255, 0, 0);
const QRgb green = qRgb(0, 255, 0);
const QRgb blue = qRgb(0, 0, 255);

QImage blankImage(int width = 989, int height = 581)
{
    return graphs::blankPlot(QSize(width, height));
}

// The pixels of the given colour in one row of the image.
int inRow(const QImage& image, QRgb colour, int row)
{
    return countPixels(image, colour, QRect(0, row, image.width(), 1));
}

TEST(Plot, ReducedLinesCoverExactlyThePixelsOfTheSegments)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> noise(-1.2, 1.2);
    const std::pair<int, std::vector<int>> grids[] = {{1, {1, 2, 50}}, {2, {1, 2, 13}},     {3, {1, 4, 50}},
                                                      {7, {2, 13}},    {40, {1, 4, 50}},    {399, {1, 13}},
                                                      {1000, {4, 50}}, {10000, {1, 4, 13}}, {100000, {1, 4}}};
    int cases = 0;
    for (const auto& [N, periods] : grids) {
        for (const int Np : periods) {
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
                    m.VoNoC[k] = shape == 2 ? noise(random) : std::max(0.0, std::cos(phase));
                }
                // Three different scales, so that a curve drawn to another's
                // scale shows; a negative generator turns its half-wave over.
                m.IdPicco = 1;
                m.Vomax = 0.9;
                m.Vp = shape == 1 ? -1.1 : 1.1;
                if (shape == 1) {
                    std::transform(m.VoNoC.begin(), m.VoNoC.end(), m.VoNoC.begin(), std::negate<>());
                }
                const QSize size = cases % 2 ? QSize(989, 581) : QSize(1978, 1162);
                QImage shipped = blankImage(size.width(), size.height());
                QImage reference = blankImage(size.width(), size.height());
                graphs::PlotWaveforms(m, shipped);
                PlotWaveformsSegmentBySegment(m, reference);
                ASSERT_TRUE(shipped == reference) << "N=" << N << " Np=" << Np << " shape=" << shape;
                ++cases;
            }
        }
    }
    EXPECT_EQ(cases, 69);
}

TEST(Plot, DefaultGraphPeaksBaselinesAndSlots)
{
    calc::Module1 m;
    ASSERT_TRUE(graphs::Command2_Click(m, {}, "4", [](calc::Severity, const std::string&) {}));
    QImage image = blankImage();
    graphs::PlotWaveforms(m, image);
    const graphs::PlotScale s = graphs::scaleOf(image);

    EXPECT_EQ(inRow(image, red, s.row(50)), image.width()) << "the red baseline spans the width";
    EXPECT_EQ(inRow(image, blue, s.row(0.1F)), image.width()) << "so does the blue one";
    EXPECT_GE(inRow(image, red, s.row(98)), 4) << "a current peak in each period";
    EXPECT_EQ(inRow(image, red, s.row(98) - 1), 0) << "and nothing above it";
    EXPECT_GE(inRow(image, blue, s.row(48.1F)) + inRow(image, green, s.row(48.1F)), 4);
    EXPECT_EQ(inRow(image, blue, s.row(48.1F) - 1) + inRow(image, green, s.row(48.1F) - 1), 0);

    // Where the generator is negative the half-wave lies on the baseline,
    // drawn over by it: no green pixel over the middle half of any slot. An
    // eighth into each period it stands at Vp*cos(45 degrees), in green.
    for (int p = 0; p < 4; ++p) {
        const QRect middle(QPoint(s.column(25.0F * p + 6.5F), 0), QPoint(s.column(25.0F * p + 18.5F), image.height()));
        EXPECT_EQ(countPixels(image, green, middle), 0) << "slot " << p;
        EXPECT_EQ(image.pixel(s.column(25.0F * p + 3.125F), s.row(0.1F + 48 * 0.70711F)), green) << "slot " << p;
    }
    // Tick marks: 20 on the left edge, 5 on the bottom.
    EXPECT_EQ(image.pixel(0, s.row(5)), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(s.column(25), s.row(0.5F)), qRgb(0, 0, 0));
}

} // namespace
