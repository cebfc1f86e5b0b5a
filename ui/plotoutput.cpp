// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/plotoutput.h"

#include "graphs/drawingfile.h"
#include "graphs/imageformat.h"
#include "graphs/messages.h"
#include "graphs/pdffile.h"
#include "graphs/plotpage.h"
#include "graphs/pngfile.h"
#include "ui/decimalseparator.h"
#include "ui/messages.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <algorithm>
#include <iterator>
#include <memory>

namespace ui {

namespace {

// The save dialog's types, the first chosen at first.
struct SaveType {
    graphs::ImageFormat format;
    const char* filter;
};
constexpr SaveType SaveTypes[] = {{graphs::ImageFormat::Png, messages::PngFilter},
                                  {graphs::ImageFormat::Pdf, messages::PdfFilter}};

bool stillDrawn(const DrawnPlot& drawn, const calc::ShowMessage& show)
{
    if (!drawn.current()) {
        show(calc::Severity::Refusal, messages::DrawingReplaced);
    }
    return drawn.current();
}

// The window's page has no subtitle, and its numbers are written as the result boxes write theirs.
graphs::PageText pageText()
{
    return {{}, decimalSeparator()};
}

// Whole or not at all; a failure is told with the system's reason.
void writePlotFile(const QByteArray& bytes, const QString& path, const calc::ShowMessage& show)
{
    if (const auto failure = graphs::saveDrawing(QFile::encodeName(path).toStdString(),
                                                 {bytes.constData(), std::size_t(bytes.size())})) {
        show(calc::Severity::Refusal, *failure);
    }
}

QByteArray pdfOf(const DrawnPlot& drawn)
{
    return graphs::pdfPage(drawn.arrays(), drawn.scalars(), pageText());
}

// The user's pictures folder, or the home folder where there is none.
QString startFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

} // namespace

QString askPlotPath(QWidget* parent)
{
    QStringList filters;
    for (const SaveType& type : SaveTypes) {
        filters << QString::fromUtf8(type.filter);
    }
    QFileDialog dialog(parent, QString::fromUtf8(messages::SaveDialogTitle), startFolder(),
                       filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog, whatever the desktop: a native one may not let the
    // name follow the chosen type, as filterSelected below makes it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QString suffix = QString::fromUtf8(graphs::extensionOf(SaveTypes[0].format));
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(QString::fromUtf8(messages::DefaultImageName) + QLatin1Char('.') + suffix);
    // Choosing another type renames the file to match.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const auto* type = std::find_if(std::begin(SaveTypes), std::end(SaveTypes),
                                        [&filter](const SaveType& t) { return filter == QString::fromUtf8(t.filter); });
        const QString chosen =
            QString::fromUtf8(graphs::extensionOf(type == std::end(SaveTypes) ? SaveTypes[0].format : type->format));
        dialog.setDefaultSuffix(chosen);
        const QString name = QFileInfo(dialog.selectedFiles().value(0)).completeBaseName();
        dialog.selectFile((name.isEmpty() ? QString::fromUtf8(messages::DefaultImageName) : name) + QLatin1Char('.') +
                          chosen);
    });
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void savePlotFile(const DrawnPlot& drawn, const QImage& image, const QString& path, const calc::ShowMessage& show)
{
    const auto format = graphs::imageFormatOf(QFile::encodeName(path).toStdString());
    if (!format) {
        show(calc::Severity::Refusal, messages::unknownImageFormat(QDir::toNativeSeparators(path).toStdString()));
    } else if (*format == graphs::ImageFormat::Png) {
        writePlotFile(graphs::pngBytes(image), path, show);
    } else if (stillDrawn(drawn, show)) {
        writePlotFile(pdfOf(drawn), path, show);
    }
}

std::unique_ptr<QPrinter> plotPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageOrientation(QPageLayout::Landscape);
    const double m = graphs::PageMargin;
    printer->setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Millimeter);
    printer->setDocName(QString::fromUtf8(graphs::PageTitle));
    return printer;
}

void printPlot(QPrinter& printer, const DrawnPlot& drawn, QWidget* parent, const calc::ShowMessage& show)
{
    if (!stillDrawn(drawn, show)) {
        return;
    }
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted) {
        printOnto(printer, drawn, show);
    }
}

void printOnto(QPrinter& printer, const DrawnPlot& drawn, const calc::ShowMessage& show)
{
    // Qt's printer writes its file as it goes: a failure would leave half a
    // file, or none where there was one. The page is the saved PDF's.
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        writePlotFile(pdfOf(drawn), printer.outputFileName(), show);
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        show(calc::Severity::Refusal, messages::PrinterNotAnswering);
        return;
    }
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    graphs::drawPlotPage(drawn.arrays(), drawn.scalars(), painter, page, pageText());
    if (!painter.end()) {
        show(calc::Severity::Refusal, messages::PrinterNotAnswering);
    }
}

} // namespace ui
