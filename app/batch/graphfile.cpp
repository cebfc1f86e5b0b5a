#include "app/batch/graphfile.h"

#include "app/batch/exitstatus.h"
#include "app/batch/messages.h"
#include "app/batch/singlerow.h"
#include "calc/module1.h"
#include "graphs/graphpress.h"
#include "graphs/pdffile.h"
#include "graphs/plotgeometry.h"
#include "graphs/plotwaveforms.h"
#include "graphs/pngfile.h"

#include <QImage>
#include <QSize>

namespace batch {

int runGraph(const QString& file, std::istream& in, std::ostream& err)
{
    const auto v = readSingleRow(in, err, {"Vp", "f", "C", "R", "N", "Np"}, "--grafico");
    if (!v) {
        return Unreadable;
    }
    calc::Module1 m;
    const calc::ShowMessage show = [&err](calc::Severity, const std::string& text) { err << text << '\n'; };
    if (!graphs::Command2_Click(m, {(*v)[0], (*v)[1], (*v)[2], (*v)[3], (*v)[4]}, (*v)[5], show)) {
        return Refused;
    }
    QImage image = graphs::blankPlot(QSize(graphs::PlotWidth, graphs::PlotHeight));
    graphs::PlotWaveforms(m, image);
    const bool pdf = file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
    if (!(pdf ? graphs::writePdf(m, m, file) : graphs::writePng(image, file))) {
        err << messages::unwritableFile(file.toStdString()) << '\n';
        return Unreadable;
    }
    return Computed;
}

} // namespace batch
