// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/circuitdrawing.h"

#include "graphs/fontfaces.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QPointF>
#include <QPolygon>
#include <QRect>
#include <QString>

#include <cmath>
#include <numbers>

namespace ui {

namespace {

const QColor wireColour(0, 128, 0);
const QColor leadColour(0, 0, 255);

// Every stroke is a logical pixel wide, so that it keeps its weight on a
// screen of any pixel ratio.
void line(QPainter& p, const QColor& colour, int x1, int y1, int x2, int y2)
{
    p.setPen(QPen(colour, 1));
    p.drawLine(x1, y1, x2, y2);
}

// Filled shapes are rasterised row by row: QPainter's polygon fill leaves
// out the right edge, which would make the shapes a pixel lopsided.
void diamond(QPainter& p, int cx, int cy)
{
    constexpr int radius = 3;
    for (int dy = -radius; dy <= radius; ++dy) {
        const int half = radius - std::abs(dy);
        line(p, leadColour, cx - half, cy + dy, cx + half, cy + dy);
    }
}

void arrowHead(QPainter& p, int tipX, int tipY, int length)
{
    for (int dy = 0; dy <= length; ++dy) {
        const int half = (dy + 1) / 2;
        line(p, leadColour, tipX - half, tipY + dy, tipX + half, tipY + dy);
    }
}

QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

constexpr int LabelPixels = 16;

// Font metrics differ slightly between faces, so the label is rendered off
// screen first, at the drawing's pixel ratio, and its actual ink is placed
// against the top of the box, centred horizontally to the device pixel.
// Unantialiased glyphs keep the pixels pure blue.
void label(QPainter& p, const QString& text, const QRect& box)
{
    const qreal ratio = p.device()->devicePixelRatioF();
    QFont font(graphs::sansFaces().first());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(LabelPixels);
    font.setStyleStrategy(QFont::NoAntialias);

    // Room for any label of a letter or two, its baseline well inside.
    QImage scratch(QSize(4, 3) * LabelPixels * ratio, QImage::Format_ARGB32_Premultiplied);
    scratch.setDevicePixelRatio(ratio);
    scratch.fill(Qt::transparent);
    {
        QPainter sp(&scratch);
        sp.setFont(font);
        sp.setPen(leadColour);
        sp.drawText(LabelPixels / 2, 2 * LabelPixels, text);
    }
    const QRect ink = inkBounds(scratch);
    if (ink.isEmpty()) {
        return;
    }
    const QRect source(ink.topLeft(), ink.size().boundedTo(box.size() * ratio));
    const int across = (qRound(box.width() * ratio) - source.width()) / 2;
    // In the drawing's own coordinates, clear of the lines' half-pixel shift.
    const QPointF target = QPointF(box.left() + across / ratio, box.top()) - p.transform().map(QPointF());
    p.drawImage(target, scratch, source);
}

void generator(QPainter& p)
{
    p.setPen(QPen(wireColour, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRect(48, 124, 31, 31));

    constexpr int left = 52;
    constexpr int right = 75;
    constexpr int midY = 140;
    constexpr double amplitude = 7.0;
    QPolygon wave;
    for (int x = left; x <= right; ++x) {
        const double phase = 2.0 * std::numbers::pi * (x - left) / (right - left);
        wave << QPoint(x, midY - static_cast<int>(std::lround(amplitude * std::sin(phase))));
    }
    p.drawPolyline(wave);

    line(p, leadColour, 64, 108, 64, 123);
    line(p, leadColour, 64, 158, 64, 172);
    label(p, QStringLiteral("Vp"), QRect(QPoint(24, 133), QPoint(41, 147)));
}

void diode(QPainter& p)
{
    line(p, leadColour, 97, 58, 113, 58);
    line(p, wireColour, 117, 50, 117, 66);
    line(p, wireColour, 117, 50, 130, 58);
    line(p, wireColour, 117, 66, 130, 58);
    line(p, wireColour, 130, 50, 130, 65);
    line(p, leadColour, 131, 58, 146, 58);
    label(p, QStringLiteral("D"), QRect(QPoint(126, 36), QPoint(135, 47)));
}

void capacitor(QPainter& p)
{
    constexpr int x = 196;
    line(p, wireColour, x, 59, x, 106);
    line(p, leadColour, x, 107, x, 123);
    line(p, wireColour, 188, 129, 203, 129);
    line(p, wireColour, 188, 135, 203, 135);
    line(p, leadColour, x, 141, x, 156);
    line(p, wireColour, x, 157, x, 205);
    label(p, QStringLiteral("C"), QRect(QPoint(166, 120), QPoint(175, 131)));
}

void resistor(QPainter& p)
{
    constexpr int x = 262;
    line(p, wireColour, x, 59, x, 90);
    line(p, leadColour, x, 91, x, 106);
    p.setPen(QPen(wireColour, 1));
    p.drawPolyline(QPolygon(
        {QPoint(262, 108), QPoint(269, 112), QPoint(255, 120), QPoint(269, 128), QPoint(255, 136), QPoint(262, 140)}));
    line(p, leadColour, x, 141, x, 157);
    line(p, wireColour, x, 158, x, 205);
    label(p, QStringLiteral("R"), QRect(QPoint(289, 120), QPoint(297, 131)));
}

} // namespace

QImage circuitDrawing(qreal ratio)
{
    QImage image(QSize(367, 277) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    // Qt puts a line one device pixel wide right of and below its points,
    // and centres a wider one on them: shifted by half a logical pixel, the
    // wider strokes cover the device pixels of the same logical ones.
    if (ratio != 1) {
        p.translate(0.5, 0.5);
    }

    line(p, Qt::black, 0, 0, 363, 0);
    line(p, Qt::black, 363, 0, 363, 273);
    line(p, Qt::black, 363, 273, 0, 273);
    line(p, Qt::black, 0, 273, 0, 0);

    line(p, wireColour, 64, 107, 64, 58);
    line(p, wireColour, 64, 58, 96, 58);
    line(p, wireColour, 147, 58, 262, 58);
    line(p, wireColour, 64, 173, 64, 206);
    line(p, wireColour, 64, 206, 262, 206);

    generator(p);
    diode(p);
    capacitor(p);
    resistor(p);

    diamond(p, 196, 58);
    diamond(p, 196, 206);

    line(p, leadColour, 312, 190, 312, 74);
    arrowHead(p, 312, 74, 10);
    label(p, QStringLiteral("Vo"), QRect(QPoint(317, 122), QPoint(334, 133)));

    return image;
}

} // namespace ui
