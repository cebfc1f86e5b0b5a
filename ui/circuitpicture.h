// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QLabel>

namespace ui {

// The main window's circuit drawing. As the graph's plot area does, it is
// drawn for the pixel ratio of the screen it is on, and drawn again only when
// a paint finds that ratio changed: a move to another screen or a new scale
// on the same one.
class CircuitPicture : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The drawing as last painted, in device pixels.
    const QImage& image() const { return drawing_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage drawing_;
};

} // namespace ui
