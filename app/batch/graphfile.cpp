// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/graphfile.h"

#include "app/batch/exitstatus.h"
#include "app/batch/messages.h"
#include "app/batch/standardoutput.h"
#include "app/batch/table.h"
#include "calc/module1.h"
#include "graphs/drawingfile.h"
#include "graphs/graphpress.h"
#include "graphs/imageformat.h"
#include "graphs/messages.h"
#include "graphs/pdffile.h"
#include "graphs/plotgeometry.h"
#include "graphs/plotwaveforms.h"
#include "graphs/pngfile.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <cerrno>

namespace batch {

namespace {

// The picture "Grafico" draws: the plot area's pixels at scale 1.
QByteArray picture(const calc::Module1& m)
{
    QImage image = graphs::blankPlot(QSize(graphs::PlotWidth, graphs::PlotHeight));
    graphs::PlotWaveforms(m, image);
    return graphs::pngBytes(image);
}

// An optional column whose text is the subtitle of its row's page.
constexpr ColumnName NameColumn{"Nome", ""};

int writeGraph(const std::string& file, const QByteArray& bytes, std::ostream& err)
{
    if (const auto failure = graphs::saveDrawing(file, {bytes.data(), std::size_t(bytes.size())})) {
        err << *failure << '\n';
        return Unwritable;
    }
    return Computed;
}

// "Grafico" on one row; a row an earlier stage refused stays refused. Each
// message goes to `err` after the row's `place`, what was read of the cells
// after the press's own.
bool drawRow(calc::Module1& m, const Header& header, const Record& record, const std::string& place, std::ostream& err)
{
    if (refusedEarlier(header, record, err, place)) {
        return false;
    }
    const calc::ShowMessage show = [&](calc::Severity, const std::string& text) { err << place << text << '\n'; };
    const CircuitRow texts = textsOf(GraphColumns, header, record);
    const bool pressed = graphs::Command2_Click(m, texts, texts.Np, inSheet(header.dialect.decimal, show));
    printNotices(readNotices(GraphColumns, header, record), err, place);
    return pressed;
}

// A page for each row in the order read. A refused row gets none: its message
// goes to `err` after its line, and the other pages are still written.
int runPages(const std::string& file, std::istream& in, std::ostream& err)
{
    std::vector<Wanted> inputs = wanted(GraphColumns);
    inputs.push_back({NameColumn, true});
    Header header;
    graphs::PdfPages pages;
    calc::Module1 m;
    bool refused = false;
    bool drawn = true;
    const auto onRow = [&](const Record& record, std::size_t line) {
        if (!drawRow(m, header, record, messages::row(line), err)) {
            refused = true;
            return true;
        }
        const auto name = header.inputs.back();
        drawn = pages.add(m, m, {name ? record[*name] : "", header.dialect.decimal});
        return drawn;
    };
    if (!readTable(
            in, err, header, inputs, {}, [] { return true; }, onRow)) {
        return Unreadable;
    }
    if (drawn && pages.count() == 0) {
        if (!refused) {
            err << messages::NoHandoutRow << '\n';
        }
        return refused ? Refused : Unreadable;
    }
    const int status = writeGraph(file, pages.finish(), err);
    return status == Computed && refused ? Refused : status;
}

} // namespace

int runGraph(const std::string& file, std::istream& in, std::ostream& out, std::ostream& err)
{
    const bool toOutput = file == "-";
    const auto format = toOutput ? graphs::ImageFormat::Png : graphs::imageFormatOf(file);
    if (!format) {
        err << messages::unknownFormat(file, graphs::imageFormatNames()) << '\n';
        return Unreadable;
    }
    if (*format == graphs::ImageFormat::Pdf) {
        return runPages(file, in, err);
    }
    Header header;
    const auto record = readSingleRow(in, err, header, wanted(GraphColumns), "--grafico");
    if (!record) {
        return Unreadable;
    }
    calc::Module1 m;
    if (!drawRow(m, header, *record, "", err)) {
        return Refused;
    }
    const QByteArray bytes = picture(m);
    if (toOutput && !bytes.isEmpty()) {
        return writeOut(out, err, {bytes.constData(), static_cast<std::size_t>(bytes.size())});
    }
    return writeGraph(file, bytes, err);
}

} // namespace batch
