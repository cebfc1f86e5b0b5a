// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace calc {
struct Module1;
}

namespace ui {

// The graph window's plot area. What is drawn lives in a persistent image of
// device pixels that paintEvent only copies, so covering, moving or restoring
// the window recomputes nothing. Mouse motion is reported in the user scale.
class PlotArea : public QWidget {
    Q_OBJECT
public:
    explicit PlotArea(QWidget* parent = nullptr);

    // Blanks, then draws the module's waveforms.
    void draw(const calc::Module1& m);
    // What is on show, for copying and saving.
    const QImage& image() const { return image_; }

signals:
    // The pointer's position in the user scale, and on the screen for the
    // tooltip.
    void mouseMoved(float X, float Y, QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QRect inner() const;
    // Back to the bare background, sized for the current screen.
    void blank();
    QPointF userPosition(QPointF widgetPosition) const;

    QImage image_;
};

} // namespace ui
