// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/circuitpicture.h"

#include "ui/circuitdrawing.h"

#include <QPainter>

namespace ui {

void CircuitPicture::paintEvent(QPaintEvent* event)
{
    const qreal ratio = devicePixelRatioF();
    if (drawing_.isNull() || drawing_.devicePixelRatio() != ratio) {
        drawing_ = circuitDrawing(ratio);
    }
    QLabel::paintEvent(event);
    QPainter(this).drawImage(contentsRect().topLeft(), drawing_);
}

} // namespace ui
