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
    const FontsWithoutDisplay fonts;
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

bool writePdf(const calc::SampleArrays& arrays, const calc::Module1Scalars& m, const QString& path)
{
    // Qt's PDF engine takes a write cut short by a full disk or a quota for
    // success, so the page is made in memory and written in one call whose
    // count tells.
    const QByteArray pdf = pdfPage(arrays, m);
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
