// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/pagelayout.h"

#include "graphs/fontfaces.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace graphs {

QFont pageFont(const QPainter& painter, double twips)
{
    QFont font;
    font.setFamilies(sansFaces());
    font.setWeight(QFont::Bold);
    font.setPointSizeF(twips * 72 / painter.device()->logicalDpiY());
    return font;
}

void drawPageText(QPainter& painter, const QRectF& box, int flags, double twips, const QString& text, unsigned colour)
{
    painter.setFont(pageFont(painter, twips));
    painter.setPen(QColor(QRgb(colour)));
    painter.drawText(box, flags, text);
}

double pageTextWidth(const QPainter& painter, double twips, const QString& text)
{
    return QFontMetricsF(pageFont(painter, twips), painter.device()).horizontalAdvance(text);
}

} // namespace graphs
