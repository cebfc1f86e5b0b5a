// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/pdffile.h"

#include "calc/module1.h"
#include "graphs/plotpage.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <memory>

namespace graphs {

namespace {

// The page's text needs Qt's fonts, which a QGuiApplication sets up. The
// command line has none, and may have no display; Qt's English remarks on
// setting one up stay off its standard error.
class FontsWithoutDisplay {
public:
    FontsWithoutDisplay()
    {
        if (QCoreApplication::instance() == nullptr) {
            previous_ = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
            app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        }
    }
    ~FontsWithoutDisplay()
    {
        if (app_) {
            app_.reset();
            qInstallMessageHandler(previous_);
        }
    }
    FontsWithoutDisplay(const FontsWithoutDisplay&) = delete;
    FontsWithoutDisplay& operator=(const FontsWithoutDisplay&) = delete;

private:
    static inline char name_[] = "raddrizzatore";
    static inline char platform_[] = "-platform";
    static inline char offscreen_[] = "offscreen";
    static inline char* argv_[] = {name_, platform_, offscreen_, nullptr};
    static inline int argc_ = 3;
    QtMessageHandler previous_ = nullptr;
    std::unique_ptr<QGuiApplication> app_;
};

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
    const FontsWithoutDisplay fonts;
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
    // The painter ends before the writer and the application it draws with.
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

bool writePdf(const calc::SampleArrays& arrays, const calc::Module1Scalars& m, const PageText& text,
              const QString& path)
{
    // Qt's PDF engine takes a write cut short by a full disk or a quota for
    // success, so the page is made in memory and written in one call whose
    // count tells.
    const QByteArray pdf = pdfPage(arrays, m, text);
    if (pdf.isEmpty()) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(pdf) != pdf.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace graphs
