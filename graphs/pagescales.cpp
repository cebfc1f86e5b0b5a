// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/pagescales.h"

#include "calc/module1.h"
#include "graphs/messages.h"
#include "graphs/pagelayout.h"
#include "graphs/pagetexts.h"
#include "graphs/plotgeometry.h"

#include <QColor>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace graphs {

namespace {

constexpr double Tick = 150;                      // twips, outside the plot's edge
constexpr double Gap = 60;                        // between a tick and its label
constexpr unsigned HalfWaveTextColour = 0x008000; // the green curve's colour, legible as text

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

// A label left of the plot at height `y` (user scale): the band's upper label
// hangs below its tick, the lower one stands on it, so neither leaves its band.
void heightLabel(QPainter& painter, double y, bool hangs, const QString& label, unsigned colour = 0)
{
    const QRectF plot = pagePlot();
    const QRectF frame = pagePlotFrame();
    const double level = plot.bottom() - plot.height() * y / 100;
    painter.setPen(QPen(Qt::black, TwipsPerPixel));
    painter.drawLine(QPointF(frame.left() - Tick, level), QPointF(frame.left(), level));
    const double right = frame.left() - Tick - Gap;
    const double height = 3 * TextTwips;
    const QRectF box(PageLeft, hangs ? level : level - height, right - PageLeft, height);
    drawPageText(painter, box, Qt::AlignRight | (hangs ? Qt::AlignTop : Qt::AlignBottom), TextTwips, label, colour);
}

// A band's title halfway between its baseline and its full scale.
void bandTitle(QPainter& painter, double baseline, const char* title)
{
    const QRectF plot = pagePlot();
    const double middle = plot.bottom() - plot.height() * (baseline + FullScale / 2) / 100;
    const double right = pagePlotFrame().left() - Tick - Gap;
    const QRectF box(PageLeft, middle - 2 * TextTwips, right - PageLeft, 4 * TextTwips);
    drawPageText(painter, box, Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, TextTwips, text(title));
}

void heightScales(const calc::Module1Scalars& m, QPainter& painter, char separator)
{
    heightLabel(painter, CurrentBaseline + FullScale, true, text(currentFullScale(m, separator)));
    heightLabel(painter, CurrentBaseline, false, QStringLiteral("0"));
    bandTitle(painter, CurrentBaseline, CurrentAxis);
    const std::string load = loadFullScale(m, separator);
    const std::string halfWave = halfWaveFullScale(m, separator);
    if (load == halfWave) {
        heightLabel(painter, VoltageBaseline + FullScale, true, text(load));
    } else {
        // Two full scales: each in its curve's colour.
        heightLabel(painter, VoltageBaseline + FullScale, true, text(load), LoadColour);
        heightLabel(painter, VoltageBaseline + FullScale, true, QLatin1Char('\n') + text(halfWave), HalfWaveTextColour);
    }
    heightLabel(painter, VoltageBaseline, false, QStringLiteral("0"));
    bandTitle(painter, VoltageBaseline, VoltageAxis);
}

// The periods' starts, every k-th where their labels would touch.
void timeScale(const calc::Module1Scalars& m, QPainter& painter, char separator)
{
    const QRectF plot = pagePlot();
    const double top = pagePlotFrame().bottom();
    double widest = 0;
    for (const TimeLabel& l : timeLabels(m, 1, separator)) {
        widest = std::max(widest, pageTextWidth(painter, TextTwips, text(l.text)));
    }
    const int step = labelStep(plot.width() / m.Np, widest + 2 * Gap);
    for (const TimeLabel& l : timeLabels(m, step, separator)) {
        const double x = plot.left() + plot.width() * l.period / m.Np;
        painter.setPen(QPen(Qt::black, TwipsPerPixel));
        painter.drawLine(QPointF(x, top), QPointF(x, top + Gap));
        const QRectF box(x - widest, top + Gap, 2 * widest, 2 * TextTwips);
        drawPageText(painter, box, Qt::AlignHCenter | Qt::AlignTop, TextTwips, text(l.text));
    }
    const QRectF title(plot.left(), top + Gap + 1.5 * TextTwips, plot.width(), 2 * TextTwips);
    drawPageText(painter, title, Qt::AlignHCenter | Qt::AlignTop, TextTwips, QString::fromUtf8(TimeAxis));
}

} // namespace

void drawPageScales(const calc::Module1Scalars& m, QPainter& painter, char separator)
{
    heightScales(m, painter, separator);
    if (m.Np >= 1) {
        timeScale(m, painter, separator);
    }
}

} // namespace graphs
