// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace calc {
struct Module1Scalars;
struct SampleArrays;
} // namespace calc

namespace graphs {

// A module's graph as the bytes of a one-page PDF (see drawPlotPage): the
// printed page (A4, landscape), all vector. Empty when it could not be drawn.
QByteArray pdfPage(const calc::SampleArrays& arrays, const calc::Module1Scalars& m);

// Writes that page at path. Like the PNG, all or nothing: a temporary file
// beside the target replaces it only once complete; on failure returns false
// and leaves whatever was at path as it was.
bool writePdf(const calc::SampleArrays& arrays, const calc::Module1Scalars& m, const QString& path);

} // namespace graphs
