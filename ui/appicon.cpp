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

// Where the curves go inside the frame, for an icon of the given size.
struct Layout {
    explicit Layout(int size)
        : margin(std::max(2, size / 10)), left(margin), right(size - 1 - margin), baseY(size - 1 - margin),
          height(baseY - margin - 1), period((right - left + 1) / 2.0), humpWidth(period * 0.65),
          rippleThickness(std::max(1, size / 16))
    {
    }

    int margin;
    int left;
    int right;
    int baseY;
    int height;
    double period;
    // Wider than a true half period: solid, broad humps read better at 16 px.
    double humpWidth;
    int rippleThickness;
};

// The filtered output follows each hump up and then sags at a constant rate,
// the way the capacitor discharges into the load.
void drawHumps(QPainter& p, const Layout& l)
{
    const double sagPerColumn = 0.3 / l.period;
    double held = 0.0;
    for (int x = l.left; x <= l.right; ++x) {
        const double t = std::fmod(x - l.left + 0.5, l.period) / l.humpWidth;
        const double hump = t < 1.0 ? std::sin(std::numbers::pi * t) : 0.0;
        held = std::max(hump, held - sagPerColumn);
        const int humpTop = l.baseY - static_cast<int>(std::lround(hump * l.height));
        const int heldTop = l.baseY - static_cast<int>(std::lround(held * l.height));
        if (hump > 0.0) {
            p.setPen(QPen(humpColour, 0));
            p.drawLine(x, l.baseY, x, humpTop);
        }
        if (heldTop < humpTop) {
            p.setPen(QPen(rippleColour, 0));
            p.drawLine(x, heldTop, x, std::min(humpTop - 1, heldTop + l.rippleThickness - 1));
        }
    }
}

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

    const Layout l(size);
    p.setPen(QPen(axisColour, 0));
    p.drawLine(l.left, l.baseY, l.right, l.baseY);
    drawHumps(p, l);
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
