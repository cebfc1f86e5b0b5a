// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/showmessage.h"
#include "ui/drawnplot.h"

#include <memory>

class QPrinter;
class QWidget;

namespace ui {

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
