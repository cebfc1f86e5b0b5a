// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace calc {
struct Module1Scalars;
struct SampleArrays;
} // namespace calc

namespace graphs {

// A module's graph as the bytes of a one-page PDF (see drawPlotPage): the
// printed page (A4, landscape), all vector. Empty when it could not be drawn.
// Its text needs Qt's fonts, which the program's QGuiApplication sets up.
QByteArray pdfPage(const calc::SampleArrays& arrays, const calc::Module1Scalars& m);

} // namespace graphs
