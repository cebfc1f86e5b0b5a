// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/module1.h"
#include "calc/verification.h"
#include "graphs/graphpress.h"
#include "graphs/messages.h"
#include "graphs/pdffile.h"
#include "graphs/wholefile.h"
#include "tests/support/pdfpages.h"
#include "tests/support/pixels.h"
#include "ui/plotprinting.h"
#include "ui/translations.h"

#include <QApplication>
#include <QLocale>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

// No column smooth enough to draw with fewer points. Vc, drawn last, on a full scale twice its peak: VoNoC shows above.
static calc::Module1 jagged(int N, int Np)
{
    calc::Module1 m;
    m.N = N;
    m.Np = static_cast<std::int16_t>(Np);
    m.IdPicco = m.Vp = 1;
    m.Vomax = 2;
    for (calc::Samples* a : {&m.id, &m.VoNoC, &m.Vc}) {
        for (int k = 0; k <= N + 1; ++k) {
            a->push_back(k * 0.618034 - static_cast<int>(k * 0.618034));
        }
    }
    return m;
}

// One page, under 1 MB, no picture. At N = 4 000 000 the curves fill their bands: each colour a fifth of the plot or
// more, its orange only the 2 + 1.9 + 0.1 % of its height outside them.
TEST(Pdf, OneVectorPageInColourAndSmall)
{
    const QTemporaryDir dir;
    const QString file = dir.filePath("p.pdf");
    int plot = 0;
    for (const auto& [N, Np] : {std::pair(1, 1), {4000000, 1}, {4000000, 32767}}) {
        const calc::Module1 m = jagged(N, Np);
        const QByteArray pdf = graphs::pdfPage(m, m, {});
        EXPECT_LT(pdf.size(), 1000000);
        EXPECT_FALSE(pdf.contains("/Subtype /Image"));
        graphs::writeWholeFile(file.toStdString(), pdf.toStdString());
        EXPECT_NE(tool("pdfinfo", {file}).find("Pages:           1\n"), std::string::npos);
        const QImage page = renderPage(file, 1, 72);
        const int orange = countPixels(page, qRgb(255, 224, 192));
        if (N == 1) {
            plot = orange;
        } else {
            EXPECT_LT(orange, plot / 25) << Np;
        }
        for (const QRgb colour : {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}) {
            EXPECT_GT(countPixels(page, colour), N == 1 ? 0 : plot / 5) << N << ' ' << Np;
        }
    }
}

// "Stampa…" into a file: the drawn circuit's page, though a design press changed the module, with the boxes' decimal
// separator; a folder is refused. A negative generator splits the voltage full scale in two, one a curve.
TEST(Pdf, PrintedToAFileNamesTheDrawnCircuit)
{
    QLocale::setDefault(QLocale(QLocale::Italian));
    std::vector<std::string> said;
    const auto show = [&said](calc::Severity, const std::string& text) { said.push_back(text); };
    calc::Module1 m, verified;
    ASSERT_TRUE(graphs::Command2_Click(m, {.Vp = "-12.5", .C = "22"}, "3", show));
    const auto boxes = calc::Command1_Click(verified, {.Vp = "-12.5", .C = "22"}, ',', show);
    const ui::DrawnPlot drawn(m);
    m.Vp = 99;
    m.Vomin = m.VoDC = 0;
    const QTemporaryDir dir;
    const QString file = dir.filePath("stampa");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    for (const QString& name : {file, dir.path()}) {
        printer.setOutputFileName(name);
        ui::printOnto(printer, drawn, show);
    }
    const std::string text = pageText(file, 1);
    EXPECT_NE(text.find("Vp = -12,5 V f = 50 Hz C = 22 µF R = 2000 Ω N = 10000 Np = 3\nRipple = " + boxes->Ripple +
                        " mV VoDC = " + boxes->VoDC + " V Id picco = " + boxes->IdPicco + " mA\n\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(said.back(), graphs::imageNotSaved(dir.path().toStdString(), std::strerror(EISDIR)));
    QSizeF size;
    const std::vector<Word> words = pageWords(file, 1, size);
    const QImage page = renderPage(file, 1, 150);
    std::string inks; // the header's -12,5, then the full scales under it
    for (const Word& w : words) {
        if (w.text == "12,5" || w.text == "-12,5") {
            inks += inkOf(page, w, 150);
        }
    }
    EXPECT_EQ(inks, "kbg");
    QLocale::setDefault(QLocale::c());
}

// Also run under zh_CN and he_IL.
TEST(QtTexts, ItalianWhateverTheLanguage)
{
    ui::installQtTranslations(*qApp);
    EXPECT_EQ(QApplication::translate("QPlatformTheme", "Cancel"), "Annulla");
    EXPECT_EQ(QLocale().decimalPoint(), QLocale(qEnvironmentVariable("LC_ALL", "C")).decimalPoint());
}
