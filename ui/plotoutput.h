// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/showmessage.h"
#include "ui/drawnplot.h"

#include <QString>

#include <memory>

class QImage;
class QPrinter;
class QWidget;

namespace ui {

// The save dialog of the graph window: a PNG or a PDF, in the user's pictures
// folder at first (the home folder where there is none). A name typed without
// an extension gets the one of the chosen type. Empty when the user gives up.
QString askPlotPath(QWidget* parent);

// Saves in the format the name's extension gives, in any case: the plot
// area's image as a PNG (".png"), or the drawing as the printed page in a PDF
// (".pdf"), which needs the drawing's arrays. The file is written whole or not
// at all (see graphs::writeWholeFile). Another extension, arrays a later press
// has replaced and a failed write are told through show, with the system's
// reason for the failure.
void savePlotFile(const DrawnPlot& drawn, const QImage& image, const QString& path, const calc::ShowMessage& show);

// A printer for the drawing's page: landscape, with the page's margins. The
// print dialog starts from it the first time; kept, the printer holds what
// the user chose there, orientation included, for the next time.
std::unique_ptr<QPrinter> plotPrinter();

// "Stampa…": Qt's print dialog on the printer, then printOnto.
void printPlot(QPrinter& printer, const DrawnPlot& drawn, QWidget* parent, const calc::ShowMessage& show);

// The drawing's page onto a printer its dialog has set up: on paper in the
// printer's orientation, fitted to it; printed to a file, as "Salva
// immagine…" writes the PDF, whole or not at all. What cannot be printed is
// told through show.
void printOnto(QPrinter& printer, const DrawnPlot& drawn, const calc::ShowMessage& show);

} // namespace ui
