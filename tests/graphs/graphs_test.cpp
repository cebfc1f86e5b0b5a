// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/messages.h"
#include "calc/module1.h"
#include "graphs/graphpress.h"
#include "graphs/pagetexts.h"
#include "graphs/plotscale.h"
#include "graphs/plotwaveforms.h"
#include "graphs/readout.h"
#include "tests/calc/messagelog.h"
#include "tests/support/pixels.h"
#include "tests/support/referencedrawing.h"

#include <QImage>

#include <gtest/gtest.h>

#include <random>
#include <regex>

namespace {

namespace msg = calc::messages;

// After a press with C = 11 uF (no warning): Np rounds half to even into 16 bits; a refusal keeps Np.
TEST(Graphs, PressPeriodsAndRefusals)
{
    for (auto [texts, periods, Np, message] :
         {std::tuple<calc::CircuitTexts, const char*, int, const char*>{{}, "2.5", 2, nullptr},
          {{}, "-32768.5", -32768, nullptr},
          {{}, "4 ", 3, msg::InvalidNp},
          {{.f = ""}, "", 3, msg::MissingF},
          {{}, "32767.5", 3, msg::BadNp},
          {{.Vp = "0"}, "4", 3, msg::ZeroVp},
          {{.Vp = "3E307"}, "4", 3, msg::NotFinite},                 // 48 * Vp overflows a double
          {{.Vp = "1E306", .R = "1E-3"}, "4", 3, msg::NotFinite}}) { // as does 48 * Id picco
        calc::Module1 m;
        MessageLog log;
        ASSERT_TRUE(graphs::Command2_Click(m, {.C = "11"}, "3", log.callback()));
        texts.C = "11";
        EXPECT_EQ(graphs::Command2_Click(m, texts, periods, log.callback()), message == nullptr);
        EXPECT_EQ(log.shown.empty() ? "" : log.shown.back(), message ? message : "");
        EXPECT_EQ(log.refusals, message ? 1 : 0);
        EXPECT_EQ(m.Np, Np);
    }
}

// The default graph: 4 periods of 20 ms; the peak current, 30.36 mA in the continuous circuit, 48 units above its
// baseline 50, and Vp = 10 V 48 above 0.1.
TEST(Graphs, ReadoutReadsTheModuleAsItIsNow)
{
    calc::Module1 m;
    const auto at = [&m](const calc::CircuitTexts& texts, float X, float Y) {
        graphs::Command2_Click(m, texts, "4", [](auto, auto&) {});
        return graphs::Picture1_MouseMove(m, X, Y, ',').value_or("none");
    };
    EXPECT_EQ(at({}, 25, 98), "t= 20000,00usec ; id(t) = 30,36mA");
    EXPECT_EQ(at({}, -10, 0.1F), "t= -8000,00usec ; Vc(t) = 0,00V");
    EXPECT_EQ(at({.f = "1E-305"}, 75, 60), "none");
    EXPECT_EQ(at({.Vp = "1E302", .R = "1E-3"}, 25, 98), "none");
    EXPECT_TRUE(
        std::regex_match(at({.f = "1E-60"}, 25, 98), std::regex("t= [0-9]{66,67},00usec ; id\\(t\\) = 5,00mA")));
}

// Smooth, noisy and stepped curves, from one sample a period to many a column, at scale 1 and 2; a negative
// generator turns its half-wave over.
TEST(Graphs, ReducedLinesCoverExactlyThePixelsOfTheSegments)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> noise(-1.2, 1.2);
    for (const auto& [N, Np] :
         {std::pair{1, 1}, {1, 50}, {2, 13}, {3, 4}, {7, 2}, {399, 13}, {10000, 4}, {100000, 1}}) {
        for (int shape = 0; shape < 3; ++shape) {
            calc::Module1 m;
            m.N = N;
            m.Np = static_cast<std::int16_t>(Np);
            m.Vc.resize(N + 2), m.id.resize(N + 2), m.VoNoC.resize(N + 2);
            for (int k = 0; k <= N; ++k) {
                const double x = 6.283 * k / N;
                m.id[k] = shape == 0 ? std::cos(x) : shape == 1 ? noise(random) : (k / 17) % 2;
                m.Vc[k] = shape == 0 ? std::sin(3 * x) : shape == 1 ? noise(random) : (k / 5) % 3 - 1.0;
                m.VoNoC[k] = (shape == 2 ? noise(random) : std::max(0.0, std::cos(x))) * (shape == 1 ? -1 : 1);
            }
            m.IdPicco = 1, m.Vomax = 0.9, m.Vp = shape == 1 ? -1.1 : 1.1;
            QImage shipped = graphs::blankPlot(QSize(989, 581) * (shape == 1 ? 2 : 1)), reference = shipped;
            graphs::PlotWaveforms(m, shipped);
            PlotWaveformsSegmentBySegment(m, reference);
            ASSERT_TRUE(shipped == reference) << N << ' ' << Np << ' ' << shape;
        }
    }
}

// A current peak each period 48 units above its baseline, or below it for a negative generator, whose load voltage
// lies under the lower band. An eighth into each period the green reads |Vp|*cos(45 degrees), |Vp| being 48 units.
TEST(Graphs, DefaultGraphPeaksAndSlots)
{
    for (const bool negative : {false, true}) {
        calc::Module1 m;
        ASSERT_TRUE(graphs::Command2_Click(m, {.Vp = negative ? "-10" : "10"}, "4", [](auto, auto&) {}));
        QImage image = graphs::blankPlot({989, 581});
        graphs::PlotWaveforms(m, image);
        const graphs::PlotScale s = graphs::scaleOf(image);
        const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0);
        const int peak = s.row(negative ? 2 : 98);
        EXPECT_EQ(s.column(1.0678F), 11) << "10.55 pixels from the left edge";
        EXPECT_GE(countPixels(image, red, {0, peak, 989, 1}), 4) << negative;
        EXPECT_EQ(countPixels(image, red, negative ? QRect(0, peak + 1, 989, 581) : QRect(0, 0, 989, peak)), 0);
        EXPECT_EQ(countPixels(image, qRgb(0, 0, 255), {0, 0, 989, s.row(0.1F)}) == 0, negative);
        for (int p = 0; p < 4; ++p) {
            EXPECT_EQ(image.pixel(s.column(25.0F * p + 3.125F), s.row(0.1F + 48 * 0.70711F)), green) << p;
        }
    }
}

// The page's numbers: three digits, and the whole part, also where rounding carries; the time labels' step, the
// least of 1, 2, 5, 10, 20, 50, ... that leaves the room asked for.
TEST(Graphs, PageNumbers)
{
    for (const auto& [x, text] : {std::pair(99999.5, "99999,5"), {0.012345, "0,0123"}, {-2.5e-7, "-2,5e-07"}}) {
        EXPECT_EQ(graphs::readableNumber(x, 3, ','), text);
    }
    EXPECT_EQ(std::tuple(graphs::labelStep(1, 4.5), graphs::labelStep(1, 5.5), graphs::labelStep(0.01, 1)),
              std::tuple(5, 10, 100));
}

} // namespace
