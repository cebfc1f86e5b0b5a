#pragma once

#include <QPoint>
#include <QWidget>

namespace calc {
struct Module1;
}

namespace ui {

class PlotArea;

// The graph window: the plot area, the hint and the two-line legend. Moving
// the mouse over the plot shows the time and the value under the pointer,
// read from the module as it is at that moment.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(const calc::Module1& module);

    // Blanks the plot, brings the window to the front and draws the module's
    // waveforms into it.
    void showWaveforms();

private:
    void Picture1_MouseMove(float X, float Y, QPoint globalPosition);

    const calc::Module1& module_;
    PlotArea* Picture1 = nullptr;
};

} // namespace ui
