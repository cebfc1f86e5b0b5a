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

// A format --grafico writes, chosen by the file name's extension.
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

bool writeDocument(const calc::Module1& m, QIODevice& device)
{
    const QByteArray pdf = graphs::pdfPage(m, m);
    return !pdf.isEmpty() && device.write(pdf) == pdf.size();
}

const GraphFormat Formats[] = {
    {"png", writePicture},
    {"pdf", writeDocument},
};

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
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!format->write(m, buffer)) {
        err << graphs::imageNotSaved(file.toStdString(), std::strerror(ENOMEM)) << '\n';
        return Unwritable;
    }
    const QByteArray& bytes = buffer.data();
    if (toOutput) {
        if (!out.write(bytes.data(), bytes.size()).flush()) {
            return reportUnwritable(err, errno);
        }
    } else if (const int error = writeWhole(file.toStdString(), bytes); error != 0) {
        err << graphs::imageNotSaved(file.toStdString(), std::strerror(error)) << '\n';
        return Unwritable;
    }
    return Computed;
}

} // namespace batch
