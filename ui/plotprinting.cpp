// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/plotprinting.h"

#include "graphs/messages.h"
#include "graphs/plotpage.h"
#include "ui/messages.h"
#include "ui/plotoutput.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace ui {

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
        savePlotPage(drawn, printer.outputFileName(), show);
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        show(calc::Severity::Refusal, messages::PrinterNotAnswering);
        return;
    }
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    graphs::drawPlotPage(drawn.arrays(), drawn.scalars(), painter, page, windowPageText());
    if (!painter.end()) {
        show(calc::Severity::Refusal, messages::PrinterNotAnswering);
    }
}

} // namespace ui
