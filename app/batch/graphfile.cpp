// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/graphfile.h"

#include "app/batch/exitstatus.h"
#include "app/batch/messages.h"
#include "app/batch/table.h"
#include "calc/module1.h"
#include "graphs/graphpress.h"
#include "graphs/pdffile.h"
#include "graphs/plotgeometry.h"
#include "graphs/plotwaveforms.h"
#include "graphs/pngfile.h"
#include "graphs/wholefile.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <cerrno>

namespace batch {

namespace {

// A format --grafico writes, chosen by the file name's extension.
struct GraphFormat {
    const char* extension; // lower case, without the point
    QByteArray (*draw)(const calc::Module1& m);
};

QByteArray picture(const calc::Module1& m)
{
    QImage image = graphs::blankPlot(QSize(graphs::PlotWidth, graphs::PlotHeight));
    graphs::PlotWaveforms(m, image);
    return graphs::pngBytes(image);
}

QByteArray document(const calc::Module1& m)
{
    return graphs::pdfPage(m, m);
}

const GraphFormat Formats[] = {
    {"png", picture},
    {"pdf", document},
};

// By the extension of the name's last component, after its last point, in
// any case: ASCII letters only, whatever the locale.
const GraphFormat* formatOf(const std::string& file)
{
    const std::string name = file.substr(file.rfind('/') + 1);
    const std::size_t point = name.rfind('.');
    const QByteArray extension = QByteArray::fromStdString(point == std::string::npos ? "" : name.substr(point + 1));
    for (const GraphFormat& format : Formats) {
        if (extension.toLower() == format.extension) {
            return &format;
        }
    }
    return nullptr;
}

} // namespace

std::string graphFormatNames()
{
    std::string names;
    for (std::size_t i = 0; i < std::size(Formats); ++i) {
        names += (i == 0 ? "." : i + 1 == std::size(Formats) ? " e ." : ", .") + std::string(Formats[i].extension);
    }
    return names;
}

int runGraph(const std::string& file, std::istream& in, std::ostream& out, std::ostream& err)
{
    const bool toOutput = file == "-";
    const GraphFormat* format = toOutput ? Formats : formatOf(file);
    if (format == nullptr) {
        err << messages::unknownFormat(file, graphFormatNames()) << '\n';
        return Unreadable;
    }
    Header header;
    const auto record = readSingleRow(in, err, header, wanted(GraphColumns), "--grafico");
    if (!record) {
        return Unreadable;
    }
    if (refusedEarlier(header, *record, err)) {
        return Refused;
    }
    calc::Module1 m;
    const calc::ShowMessage show = [&err](calc::Severity, const std::string& text) { err << text << '\n'; };
    const CircuitRow texts = textsOf(GraphColumns, header, *record);
    const bool pressed = graphs::Command2_Click(m, texts, texts.Np, inSheet(header.dialect.decimal, show));
    if (!afterNotices(pressed, readNotices(GraphColumns, header, *record), err)) {
        return Refused;
    }
    const QByteArray bytes = format->draw(m);
    if (bytes.isEmpty()) {
        err << graphs::imageNotSaved(file, graphs::NotDrawn) << '\n';
        return Unwritable;
    }
    if (toOutput) {
        if (!out.write(bytes.data(), bytes.size()).flush()) {
            return reportUnwritable(err, errno);
        }
    } else if (const std::string reason = graphs::writeWholeFile(file, {bytes.data(), std::size_t(bytes.size())});
               !reason.empty()) {
        err << graphs::imageNotSaved(file, reason) << '\n';
        return Unwritable;
    }
    return Computed;
}

} // namespace batch
