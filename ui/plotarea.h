// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/drawnplot.h"

#include <QImage>
#include <QWidget>

namespace ui {

// The graph window's plot area. What is drawn lives in a persistent image of
// device pixels that paintEvent only copies, so covering, moving or restoring
// the window recomputes nothing. Once the screen's pixel ratio has changed,
// the next paint draws the image again at the new pixels, from the same arrays
// while the module still holds them. Mouse motion is reported in the user
// scale.
class PlotArea : public QWidget {
    Q_OBJECT
public:
    explicit PlotArea(QWidget* parent = nullptr);

    // Blanks, then draws the module's waveforms.
    void draw(const calc::Module1& m);
    // What is on show, in the screen's device pixels, for copying and saving
    // as the user sees it; and what it was drawn from.
    const QImage& image() const { return image_; }
    const DrawnPlot& drawn() const { return drawn_; }

signals:
    // The pointer's position in the user scale, and on the screen for the
    // tooltip.
    void mouseMoved(float X, float Y, QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QRect inner() const;
    // The image's size on the current screen.
    QSize devicePixels() const;
    // The bare background at the current screen's pixels, and the drawing on
    // it while the module still holds its arrays.
    void render();
    QPointF userPosition(QPointF widgetPosition) const;

    QImage image_;
    DrawnPlot drawn_;
};

} // namespace ui
