#pragma once

#include <QWidget>

class QLabel;

namespace calc {
struct Module1;
}

namespace ui {

class PlotArea;

// The graph window: the plot area, the hint and the two-line legend. Moving
// the mouse over the plot shows the time and the value under the pointer.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(calc::Module1& module);

    PlotArea* Picture1 = nullptr;

    void Picture1_MouseMove(float X, float Y, QPoint globalPosition);

private:
    calc::Module1& module_;
};

} // namespace ui
