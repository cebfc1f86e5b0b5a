// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/appicon.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPixmap>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ui {

namespace {

const QColor frameColour(0, 0, 128);    // navy
const QColor axisColour(128, 128, 128); // gray
const QColor humpColour(255, 0, 0);     // red
const QColor rippleColour(0, 0, 128);   // navy

} // namespace

QImage appIconImage(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);

    QPainter p(&image);
    // Antialiasing would blend in colours outside the palette.
    p.setRenderHint(QPainter::Antialiasing, false);

    const int last = size - 1;
    p.setPen(QPen(frameColour, 0));
    p.drawRect(0, 0, last, last);

    const int margin = std::max(2, size / 10);
    const int left = margin;
    const int right = last - margin;
    const int baseY = last - margin;
    const int height = baseY - margin - 1;
    const double period = (right - left + 1) / 2.0;
    // Wider than a true half period: solid, broad humps read better at 16 px.
    const double humpWidth = period * 0.65;
    const int rippleThickness = std::max(1, size / 16);

    p.setPen(QPen(axisColour, 0));
    p.drawLine(left, baseY, right, baseY);

    // The filtered output follows each hump up and then sags at a constant
    // rate, the way the capacitor discharges into the load.
    const double sagPerColumn = 0.3 / period;
    double held = 0.0;
    for (int x = left; x <= right; ++x) {
        const double t = std::fmod(x - left + 0.5, period) / humpWidth;
        const double hump = t < 1.0 ? std::sin(std::numbers::pi * t) : 0.0;
        held = std::max(hump, held - sagPerColumn);
        const int humpTop = baseY - static_cast<int>(std::lround(hump * height));
        const int heldTop = baseY - static_cast<int>(std::lround(held * height));
        if (hump > 0.0) {
            p.setPen(QPen(humpColour, 0));
            p.drawLine(x, baseY, x, humpTop);
        }
        if (heldTop < humpTop) {
            p.setPen(QPen(rippleColour, 0));
            p.drawLine(x, heldTop, x, std::min(humpTop - 1, heldTop + rippleThickness - 1));
        }
    }

    return image;
}

QIcon appIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(appIconImage(32)));
    icon.addPixmap(QPixmap::fromImage(appIconImage(16)));
    return icon;
}

} // namespace ui
