// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/plotoutput.h"

#include "graphs/drawingfile.h"
#include "graphs/imageformat.h"
#include "graphs/pdffile.h"
#include "graphs/pngfile.h"
#include "ui/decimalseparator.h"
#include "ui/messages.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace ui {

namespace {

// Whole or not at all; a failure is told with the system's reason.
void writePlotFile(const QByteArray& bytes, const QString& path, const calc::ShowMessage& show)
{
    if (const auto failure = graphs::saveDrawing(QFile::encodeName(path).toStdString(),
                                                 {bytes.constData(), std::size_t(bytes.size())})) {
        show(calc::Severity::Refusal, *failure);
    }
}

} // namespace

bool stillDrawn(const DrawnPlot& drawn, const calc::ShowMessage& show)
{
    if (!drawn.current()) {
        show(calc::Severity::Refusal, messages::DrawingReplaced);
    }
    return drawn.current();
}

graphs::PageText windowPageText()
{
    return {{}, decimalSeparator()};
}

void savePlotPage(const DrawnPlot& drawn, const QString& path, const calc::ShowMessage& show)
{
    if (stillDrawn(drawn, show)) {
        writePlotFile(graphs::pdfPage(drawn.arrays(), drawn.scalars(), windowPageText()), path, show);
    }
}

void savePlotFile(const DrawnPlot& drawn, const QImage& image, const QString& path, const calc::ShowMessage& show)
{
    const auto format = graphs::imageFormatOf(QFile::encodeName(path).toStdString());
    if (!format) {
        show(calc::Severity::Refusal, messages::unknownImageFormat(QDir::toNativeSeparators(path).toStdString()));
    } else if (*format == graphs::ImageFormat::Png) {
        writePlotFile(graphs::pngBytes(image), path, show);
    } else {
        savePlotPage(drawn, path, show);
    }
}

} // namespace ui
