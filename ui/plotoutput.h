// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/showmessage.h"
#include "graphs/pagetexts.h"
#include "ui/drawnplot.h"

#include <QString>

class QImage;

namespace ui {

// Saves in the format the name's extension gives, in any case: the plot
// area's image as a PNG (".png"), or the drawing as the printed page in a PDF
// (".pdf"), which needs the drawing's arrays. The file is written whole or not
// at all (see graphs::writeWholeFile). Another extension, arrays a later press
// has replaced and a failed write are told through show, with the system's
// reason for the failure.
void savePlotFile(const DrawnPlot& drawn, const QImage& image, const QString& path, const calc::ShowMessage& show);

// The drawing's page as a PDF at path, whatever its name: the ".pdf" of
// "Salva immagine…" and "Stampa…" into a file. Written whole or not at all;
// arrays a later press has replaced and a failed write are told through show.
void savePlotPage(const DrawnPlot& drawn, const QString& path, const calc::ShowMessage& show);

// Whether the module still holds the drawing's arrays, which the page needs;
// told through show when it does not.
bool stillDrawn(const DrawnPlot& drawn, const calc::ShowMessage& show);

// The window's page: no subtitle, its numbers written as the result boxes
// write theirs.
graphs::PageText windowPageText();

} // namespace ui
