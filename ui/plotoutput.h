// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/showmessage.h"

#include <QString>

class QImage;
class QWidget;

namespace calc {
struct Module1;
}

namespace ui {

// The save dialog of the graph window: a PNG or a PDF. A name typed without
// an extension gets the one of the chosen type. Empty when the user gives up.
QString askPlotPath(QWidget* parent);

// Saves the plot area's image as a PNG, or, for a name ending in ".pdf", the
// module's graph as the printed page. True when written.
bool savePlotFile(const calc::Module1& m, const QImage& image, const QString& path);

// "Stampa…": Qt's print dialog, then the graph's page in landscape, fitted to
// the paper. A printer that cannot start is reported through show.
void printPlot(const calc::Module1& m, QWidget* parent, const calc::ShowMessage& show);

} // namespace ui
