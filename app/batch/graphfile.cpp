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

#include <QBuffer>
#include <QFileInfo>
#include <QIODevice>
#include <QImage>
#include <QImageWriter>
#include <QSize>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace batch {

namespace {

// A format --grafico writes, chosen by the file name's extension: a picture
// of one row, or a document of a page per row.
struct GraphFormat {
    const char* extension; // lower case, without the point
    bool (*write)(const calc::Module1& m, QIODevice& device);
};

bool writePicture(const calc::Module1& m, QIODevice& device)
{
    QImage image = graphs::blankPlot(QSize(graphs::PlotWidth, graphs::PlotHeight));
    graphs::PlotWaveforms(m, image);
    return QImageWriter(&device, "png").write(image);
}

const GraphFormat Formats[] = {
    {"png", writePicture},
    {"pdf", nullptr},
};

// An optional column whose text is the subtitle of its row's page.
constexpr ColumnName NameColumn{"Nome", ""};

// Written beside the target and renamed over it once complete, so that no
// failure leaves a damaged file. Returns 0, or the errno of the step that failed.
int writeWhole(const std::string& path, const QByteArray& bytes)
{
    const std::size_t slash = path.rfind('/');
    std::string temporary = path.substr(0, slash == std::string::npos ? 0 : slash + 1) + ".raddrizzatore-XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return errno;
    }
    int error = 0;
    for (qsizetype done = 0; done < bytes.size() && error == 0;) {
        const ssize_t n = write(fd, bytes.data() + done, static_cast<std::size_t>(bytes.size() - done));
        error = n < 0 && errno != EINTR ? errno : 0;
        done += n > 0 ? n : 0;
    }
    // A new file gets the permissions the user's umask gives; a replaced one keeps its own.
    struct stat old {};
    const mode_t mask = umask(0);
    umask(mask);
    const mode_t mode = stat(path.c_str(), &old) == 0 ? old.st_mode & 07777 : 0666 & ~mask;
    if (error == 0 && (fchmod(fd, mode) != 0 || fsync(fd) != 0)) {
        error = errno;
    }
    if (close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        unlink(temporary.c_str());
    }
    return error;
}

const GraphFormat* formatOf(const QString& file)
{
    const QString extension = QFileInfo(file).suffix().toLower();
    for (const GraphFormat& format : Formats) {
        if (extension == QLatin1String(format.extension)) {
            return &format;
        }
    }
    return nullptr;
}

int writeGraph(const QString& file, const QByteArray& bytes, std::ostream& err)
{
    if (const int error = writeWhole(file.toStdString(), bytes); error != 0) {
        err << graphs::imageNotSaved(file.toStdString(), std::strerror(error)) << '\n';
        return Unwritable;
    }
    return Computed;
}

// "Grafico" on one row, each message on `err` after the row's `place`.
bool pressRow(calc::Module1& m, const Header& header, const Record& record, const std::string& place, std::ostream& err)
{
    const calc::ShowMessage show = [&](calc::Severity, const std::string& text) { err << place << text << '\n'; };
    const CircuitRow texts = textsOf(GraphColumns, header, record);
    if (!graphs::Command2_Click(m, texts, texts.Np, show)) {
        return false;
    }
    for (const std::string& notice : readNotices(GraphColumns, header, record)) {
        err << place << notice << '\n';
    }
    return true;
}

// A page for each row in the order read. A refused row gets none: its message
// goes to `err` after its line, and the other pages are still written.
int runPages(const QString& file, std::istream& in, std::ostream& err)
{
    std::vector<Wanted> inputs = wanted(GraphColumns);
    inputs.push_back({NameColumn, true});
    Header header;
    graphs::PdfPages pages;
    calc::Module1 m;
    bool refused = false;
    bool drawn = true;
    const auto onRow = [&](const Record& record, std::size_t line) {
        if (!pressRow(m, header, record, messages::row(line), err)) {
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
    if (pages.count() == 0 && !refused && drawn) {
        err << messages::noDataRow("--grafico") << '\n';
        return Unreadable;
    }
    const QByteArray pdf = pages.finish();
    if (pdf.isEmpty() && (pages.count() > 0 || !drawn)) {
        err << graphs::imageNotSaved(file.toStdString(), std::strerror(ENOMEM)) << '\n';
        return Unwritable;
    }
    const int status = pdf.isEmpty() ? Computed : writeGraph(file, pdf, err);
    return status == Computed && refused ? Refused : status;
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

int runGraph(const QString& file, std::istream& in, std::ostream& out, std::ostream& err)
{
    const bool toOutput = file == QStringLiteral("-");
    const GraphFormat* format = toOutput ? Formats : formatOf(file);
    if (format == nullptr) {
        err << messages::unknownFormat(file.toStdString(), graphFormatNames()) << '\n';
        return Unreadable;
    }
    if (format->write == nullptr) {
        return runPages(file, in, err);
    }
    Header header;
    const auto record = readSingleRow(in, err, header, wanted(GraphColumns), "--grafico");
    if (!record) {
        return Unreadable;
    }
    calc::Module1 m;
    if (!pressRow(m, header, *record, "", err)) {
        return Refused;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!format->write(m, buffer)) {
        err << graphs::imageNotSaved(file.toStdString(), std::strerror(ENOMEM)) << '\n';
        return Unwritable;
    }
    const QByteArray& bytes = buffer.data();
    if (toOutput) {
        return out.write(bytes.data(), bytes.size()).flush() ? Computed : reportUnwritable(err, errno);
    }
    return writeGraph(file, bytes, err);
}

} // namespace batch
