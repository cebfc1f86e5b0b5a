// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/plotpage.h"

#include "calc/circuit.h"
#include "calc/messages.h"
#include "calc/module1.h"
#include "graphs/messages.h"
#include "graphs/pagecurves.h"
#include "graphs/pagelayout.h"
#include "graphs/pagescales.h"
#include "graphs/plotgeometry.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <vector>

namespace graphs {

namespace {

constexpr double LineGap = 40; // twips between the lines above the plot
constexpr unsigned WarningColour = 0xC00000;

// The green curve's entry, under the window's two.
constexpr LegendMark HalfWaveMark{15360, 15600, 6960};
constexpr LegendText HalfWaveText{15720, 6840, 1815};

struct HeaderLine {
    double twips;
    std::string text;
    unsigned colour = 0;
};

// Each line on one row (a subtitle's line breaks become spaces), cut short
// with an ellipsis where the page ends.
void drawHeader(QPainter& painter, const std::vector<HeaderLine>& lines)
{
    double top = PageTop;
    for (const HeaderLine& line : lines) {
        const QFontMetricsF metrics(pageFont(painter, line.twips), painter.device());
        const double width = PageRight - PageLeft;
        const QString text = metrics.elidedText(QString::fromStdString(line.text).simplified(), Qt::ElideRight, width);
        drawPageText(painter, QRectF(PageLeft, top, width, metrics.lineSpacing()), Qt::AlignLeft | Qt::AlignTop,
                     line.twips, text, line.colour);
        top += metrics.lineSpacing() + LineGap;
    }
}

std::vector<HeaderLine> headerOf(const calc::Module1Scalars& m, const PageText& text)
{
    std::vector<HeaderLine> lines{{TitleTwips, PageTitle}};
    if (!text.subtitle.empty()) {
        lines.push_back({SubtitleTwips, text.subtitle});
    }
    lines.push_back({TextTwips, circuitLine(m, text.separator)});
    lines.push_back({TextTwips, resultsLine(m, text.separator)});
    if (calc::timeConstantTooSmall(m)) {
        lines.push_back({TextTwips, calc::messages::TimeConstant, WarningColour});
    }
    return lines;
}

// As in the window, where the plot area covers whatever part of a mark lies
// under it.
void legendEntry(QPainter& painter, const LegendMark& mark, const LegendText& text, unsigned colour, const char* name)
{
    const double half = LegendMarkPixels * TwipsPerPixel / 2.0;
    const double left = std::max(static_cast<double>(mark.left), pagePlotFrame().right());
    painter.fillRect(QRectF(QPointF(left, mark.row - half), QPointF(mark.right, mark.row + half)),
                     QColor(QRgb(colour)));
    // Room for a name that wraps.
    const QRectF box(text.left, text.top, text.width, 3 * LegendTextHeight);
    drawPageText(painter, box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, TextTwips, QString::fromUtf8(name));
}

} // namespace

void drawPlotPage(const calc::SampleArrays& arrays, const calc::Module1Scalars& m, QPainter& painter,
                  const QRectF& page, const PageText& text)
{
    const double width = PageRight - PageLeft;
    const double height = PageBottom - PageTop;
    const double scale = std::min(page.width() / width, page.height() / height);
    painter.save();
    painter.translate(page.center());
    painter.scale(scale, scale);
    painter.translate(-(PageLeft + PageRight) / 2, -(PageTop + PageBottom) / 2);
    painter.setRenderHint(QPainter::Antialiasing);

    drawHeader(painter, headerOf(m, text));
    painter.fillRect(pagePlotFrame(), QColor(128, 128, 128));
    const double dotsPerInch = painter.device()->logicalDpiX();
    const double devicePixels = pagePlot().width() * scale * std::min(1.0, PageDotsPerInch / dotsPerInch);
    drawPagePlot(arrays, m, painter, pagePlot(), std::max(1, static_cast<int>(devicePixels)));
    drawPageScales(m, painter, text.separator);

    legendEntry(painter, CurrentMark, CurrentText, CurrentColour, CurrentLegend);
    legendEntry(painter, LoadMark, LoadText, LoadColour, LoadLegend);
    legendEntry(painter, HalfWaveMark, HalfWaveText, HalfWaveColour, HalfWaveLegend);
    painter.restore();
}

} // namespace graphs
