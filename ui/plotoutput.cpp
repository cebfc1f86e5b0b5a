// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/plotoutput.h"

#include "graphs/pdffile.h"
#include "graphs/plotpage.h"
#include "graphs/pngfile.h"

#include <QFileDialog>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace ui {

namespace {

const QString pngFilter = QStringLiteral("Immagine PNG (*.png)");
const QString pdfFilter = QStringLiteral("Documento PDF (*.pdf)");

bool isPdf(const QString& path)
{
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

} // namespace

QString askPlotPath(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Salva immagine"), QString(),
                       pngFilter + QStringLiteral(";;") + pdfFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(QStringLiteral("grafico.png"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter == pdfFilter ? QStringLiteral("pdf") : QStringLiteral("png"));
    });
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool savePlotFile(const calc::Module1& m, const QImage& image, const QString& path)
{
    return isPdf(path) ? graphs::writePdf(m, path) : graphs::writePng(image, path);
}

void printPlot(const calc::Module1& m, QWidget* parent, const calc::ShowMessage& show)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QString::fromUtf8(graphs::PageTitle));
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        show(calc::Severity::Refusal, "Impossibile stampare il grafico: la stampante non risponde.");
        return;
    }
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    graphs::drawPlotPage(m, painter, page);
    painter.end();
}

} // namespace ui
