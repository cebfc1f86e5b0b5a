// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/pdffile.h"

#include "calc/module1.h"
#include "graphs/messages.h"
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

void setUp(QPdfWriter& writer)
{
    writer.setResolution(PageDotsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(PageMargin, PageMargin, PageMargin, PageMargin),
                                     QPageLayout::Millimeter));
    writer.setTitle(QString::fromUtf8(PageTitle));
    writer.setCreator(QStringLiteral("raddrizzatore"));
}

} // namespace

struct PdfPages::Document {
    QByteArray pdf;
    QBuffer buffer{&pdf};
    QPdfWriter writer{&buffer};
    QPainter painter;
    int pages = 0;
    bool failed = false;
};

PdfPages::PdfPages() : document_(std::make_unique<Document>())
{
    document_->buffer.open(QIODevice::WriteOnly);
    setUp(document_->writer);
}

PdfPages::~PdfPages()
{
    // The painter ends before the writer it draws on.
    if (document_->painter.isActive()) {
        document_->painter.end();
    }
}

bool PdfPages::add(const calc::SampleArrays& arrays, const calc::Module1Scalars& m, const PageText& text)
{
    Document& d = *document_;
    const bool ready = d.pages == 0 ? d.painter.begin(&d.writer) : d.writer.newPage();
    d.failed = d.failed || !ready;
    if (d.failed) {
        return false;
    }
    const QRectF page(QPointF(0, 0), d.writer.pageLayout().paintRectPixels(PageDotsPerInch).size());
    drawPlotPage(arrays, m, d.painter, page, text);
    ++d.pages;
    return true;
}

int PdfPages::count() const
{
    return document_->pages;
}

QByteArray PdfPages::finish()
{
    Document& d = *document_;
    if (d.pages == 0 || d.failed || !d.painter.end()) {
        return {};
    }
    return d.pdf;
}

QByteArray pdfPage(const calc::SampleArrays& arrays, const calc::Module1Scalars& m, const PageText& text)
{
    PdfPages pages;
    return pages.add(arrays, m, text) ? pages.finish() : QByteArray();
}

} // namespace graphs
