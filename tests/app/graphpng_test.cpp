// SPDX-License-Identifier: GPL-3.0-or-later
// A graph file from the command line against the graph window's own drawing of the same circuit.
#include "calc/module1.h"
#include "graphs/graphpress.h"
#include "ui/form2.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Ran = std::tuple<int, std::string, std::string>;
Ran run(const QStringList& args, const std::string& in, void (*child)() = nullptr);

// The columns in another order than the fields; a negative generator turns the current over. R*C is longer than the
// period: no warning.
TEST(GraphFile, PngIsTheWindowsPlotPixelForPixel)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath("x.png");
    EXPECT_EQ(run({"--grafico", path}, "N,R,Np,C,f,Vp\n500,1500,3,22,60,-5\n"), Ran(0, "", ""));
    calc::Module1 m;
    const calc::CircuitTexts texts{.Vp = "-5", .f = "60", .C = "22", .R = "1500", .N = "500"};
    ASSERT_TRUE(graphs::Command2_Click(m, texts, "3", [](auto, const std::string&) {}));
    ui::Form2 window(m);
    window.showWaveforms();
    const QImage shown = window.findChild<QWidget*>("Picture1")->grab().toImage().copy(2, 2, 989, 581);
    EXPECT_TRUE(QImage(path).convertToFormat(QImage::Format_RGB32) == shown.convertToFormat(QImage::Format_RGB32));
}
