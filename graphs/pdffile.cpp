// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/pdffile.h"

#include "calc/module1.h"
#include "graphs/plotpage.h"

#include <QBuffer>
#include <QByteArray>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace graphs {

namespace {

bool paint(const calc::SampleArrays& arrays, const calc::Module1Scalars& m, QPdfWriter& writer)
{
    writer.setResolution(PageDotsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(PageMargin, PageMargin, PageMargin, PageMargin),
                                     QPageLayout::Millimeter));
    writer.setTitle(QString::fromUtf8(PageTitle));
    writer.setCreator(QStringLiteral("raddrizzatore"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    drawPlotPage(arrays, m, painter,
                 QRectF(QPointF(0, 0), writer.pageLayout().paintRectPixels(PageDotsPerInch).size()));
    return painter.end();
}

} // namespace

QByteArray pdfPage(const calc::SampleArrays& arrays, const calc::Module1Scalars& m)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        if (!paint(arrays, m, writer)) {
            return {};
        }
    }
    return pdf;
}

} // namespace graphs
