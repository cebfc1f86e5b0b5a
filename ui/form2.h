// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/showmessage.h"

#include <QPoint>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>

class QPrinter;

namespace calc {
struct Module1;
}

namespace ui {

class PlotArea;

// The graph window: the plot area, the hint and the two-line legend. Moving
// the mouse over the plot shows the time and the value under the pointer,
// read from the module as it is at that moment. A right-click on the plot,
// Ctrl+C, Ctrl+S or Ctrl+P copies, saves or prints the drawing; Esc closes
// the window.
class Form2 : public QWidget {
    Q_OBJECT
public:
    // Asks for the file to save the plot into: empty when the user gives up.
    using AskSavePath = std::function<QString(QWidget* parent)>;

    explicit Form2(const calc::Module1& module, QWidget* parent = nullptr);
    ~Form2() override;

    // Blanks the plot, brings the window to the front, restored if it was
    // minimised, and draws the module's waveforms into it.
    void showWaveforms();

    // Where a failed save or print is reported: a message box over the window
    // unless set otherwise.
    void setShowMessage(calc::ShowMessage show) { show_ = std::move(show); }
    // How the file to save into is asked for: the save dialog unless set
    // otherwise.
    void setAskSavePath(AskSavePath ask) { askSavePath_ = std::move(ask); }

private:
    void addPlotArea();
    void addPlotCommands();
    void Picture1_MouseMove(float X, float Y, QPoint globalPosition);
    void copyPlot();
    void savePlot();
    void printPlot();

    const calc::Module1& module_;
    calc::ShowMessage show_;
    AskSavePath askSavePath_;
    PlotArea* Picture1 = nullptr;
    // Made at the first "Stampa…", then kept with what the user chose in its
    // dialog: the printer, the copies, the paper.
    std::unique_ptr<QPrinter> printer_;
};

} // namespace ui
