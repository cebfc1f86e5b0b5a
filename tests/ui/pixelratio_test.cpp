// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/design.h"
#include "calc/module1.h"
#include "graphs/graphpress.h"
#include "graphs/plotwaveforms.h"
#include "ui/circuitpicture.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/plotarea.h"

#include <QApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

void moveTo(QWidget& window, qreal ratio)
{
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->devicePixelRatio() == ratio) {
            window.move(screen->geometry().topLeft() + QPoint(50, 50));
        }
    }
    QApplication::processEvents();
    ASSERT_EQ(window.devicePixelRatioF(), ratio);
}

// What the plot area shows inside its border, in the screen's device pixels.
QImage shown(QWidget* plot)
{
    const QImage grab = plot->grab().toImage();
    const qreal r = grab.devicePixelRatio();
    return grab.copy(QRectF(2 * r, 2 * r, 989 * r, 581 * r).toRect()).convertToFormat(QImage::Format_RGB32);
}

// Run on two screens, of one and two device pixels to a logical one. A design press changes the scalars, not the
// arrays: the drawing keeps its own.
TEST(TwoScreens, TheDrawingFollowsThePixelRatioUntilALaterPressReplacesItsArrays)
{
    calc::Module1 module;
    const auto ignore = [](calc::Severity, const std::string&) {};
    ASSERT_TRUE(graphs::Command2_Click(module, {}, "4", ignore));
    ui::Form2 window(module);
    moveTo(window, 1);
    window.showWaveforms();
    auto* plot = window.findChild<ui::PlotArea*>("Picture1");
    EXPECT_EQ(plot->image().size(), QSize(989, 581));

    QImage sharp = graphs::blankPlot({2 * 989, 2 * 581});
    graphs::PlotWaveforms(module, sharp);
    ASSERT_TRUE(calc::Command3_Click(module, {.VoDC = "30"}, '.', ignore)) << "new scalars, the same arrays";
    moveTo(window, 2);
    EXPECT_EQ(plot->image(), sharp);
    EXPECT_EQ(shown(plot), sharp);

    ASSERT_TRUE(graphs::Command2_Click(module, {.Vp = "5"}, "4", ignore));
    moveTo(window, 1);
    EXPECT_EQ(plot->image(), sharp) << "the drawing on show stays as it was drawn";
}

// The circuit drawing at the pixels of the screen the main window opens on, then of the one it moves to.
TEST(TwoScreens, CircuitDrawingAtTheScreensPixels)
{
    calc::Module1 module;
    ui::Form1 window(module);
    auto* circuit = window.findChild<ui::CircuitPicture*>("Picture1");
    moveTo(window, 2);
    window.show();
    circuit->grab();
    EXPECT_EQ(std::pair(circuit->image().size(), circuit->image().devicePixelRatio()), std::pair(QSize(734, 554), 2.));
    moveTo(window, 1);
    circuit->grab();
    EXPECT_EQ(circuit->image().size(), QSize(367, 277));
}

} // namespace
