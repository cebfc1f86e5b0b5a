#include "calc/messages.h"
#include "calc/module1.h"
#include "tests/calc/messagelog.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/plotarea.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/ui/userinput.h"

#include <fstream>
#include <string>

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// The real program, as a shell starts it, on a machine without a display.
Outcome run(const QStringList& arguments, const std::string& input)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(QStringLiteral(RADDRIZZATORE_PROGRAM), arguments);
    p.write(input.data(), static_cast<qint64>(input.size()));
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput().toStdString(),
            p.readAllStandardError().toStdString()};
}

const std::string head = "Vp,f,C,R,N\n";
const std::string circuit = head + "10,50,11,2000,10000\n";

TEST(CommandLine, ExitStatusAndWhatIsWritten)
{
    const struct {
        const char* name;
        QStringList arguments;
        std::string input;
        int status;
        std::string out; // found on standard output
        std::string err; // found on standard error
    } cases[] = {
        // clang-format off
        {"all computed", {"--verifica"}, circuit, 0, "2000,10000,5.24E+03,7.28E+00,3.28E+01,,\n", ""},
        {"refused, others written", {"--verifica"}, head + "10,50,,2,1\n10,50,10,2000,1\n", 1,
            "\n10,50,10,2000,1,0.00E+00,1.00E+01,5.00E+00,", ""},
        {"design", {"--progetto"}, "Ripple,IoDC,f,VoDC\n3600,500,50,12\n3600,0,50,12\n", 1,
            "12,2.40E+01,1.38E+01,3.19E+03,\n3600,0,50,12,,,,Il valore della corrente continua", ""},
        {"column missing", {"--progetto"}, "VoDC,f,IoDC\n12,50,500\n", 2, "", "Manca la colonna Ripple"},
        {"cells unlike the header", {"--verifica"}, head + "10,50,11,2000\n", 2, "", "Riga 2: 4 celle"},
        {"unterminated quote", {"--verifica"}, head + "10,50,11,2000,\"1\n", 2, "", "Riga 2: l'ingresso non è un CSV"},
        {"not UTF-8", {"--verifica"}, "x," + head + "\xC0\xAF,10,50,11,2000,1\n", 2, "", "UTF-8"},
        {"column named twice", {"--verifica"}, "N," + head + "1,10,50,11,2000,1\n", 2, "", "più di una volta"},
        {"unknown option", {"--verfica"}, circuit, 2, "", "Opzione sconosciuta: --verfica"},
        {"two modes", {"--verifica", "--progetto"}, circuit, 2, "", "una sola"},
        {"samples of a refused row", {"--campioni"}, head + "10,50,11,2000,0\n", 1, "", calc::messages::BadN},
        {"samples of two rows", {"--campioni"}, circuit + "10,50,11,2000,2\n", 2, "", "una sola riga"},
        {"help", {"--help"}, "", 0, "Uso: raddrizzatore", ""},
    }; // clang-format on
    for (const auto& c : cases) {
        const Outcome r = run(c.arguments, c.input);
        EXPECT_EQ(r.status, c.status) << c.name << ": " << r.err;
        EXPECT_NE(r.out.find(c.out), std::string::npos) << c.name << ": " << r.out;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << c.name << ": " << r.err;
        EXPECT_EQ(r.err.empty(), c.err.empty()) << c.name << ": " << r.err;
    }
}

std::string contents(const QString& file)
{
    std::ifstream in(file.toStdString());
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(Grafico, ThePictureOfTheGraphWindowOrNothing)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("g.png"));
    std::ofstream(png.toStdString()) << "an older file";
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    const std::string row = "Np,Vp,f,C,R,N\n3,10,50,10,2000,500\n";
    const struct {
        const char* name;
        QString file;
        std::string input;
        int status;
    } failures[] = {
        {"refused row", png, "Np,Vp,f,C,R,N\n,10,50,10,2000,500\n", 1},
        {"missing folder", dir.filePath(QStringLiteral("none/g.png")), row, 2},
        {"a folder", dir.filePath(QStringLiteral("folder")), row, 2},
    };
    for (const auto& c : failures) {
        EXPECT_EQ(run({"--grafico", c.file}, c.input).status, c.status) << c.name;
    }
    EXPECT_EQ(contents(png), "an older file");
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());

    calc::Module1 module;
    MessageLog log;
    ui::Form1 form1(module);
    form1.setShowMessage(log.callback());
    typeInto(form1, "Text5", "500");
    typeInto(form1, "Text7", "3");
    form1.Command2_Click();
    ASSERT_NE(form1.existingGraphWindow(), nullptr);
    const QImage shown = form1.existingGraphWindow()->findChild<ui::PlotArea*>(QStringLiteral("Picture1"))->image();
    form1.existingGraphWindow()->close();
    const Outcome r = run({"--grafico", png}, row);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, std::string(calc::messages::TimeConstant) + "\n");
    EXPECT_TRUE(QImage(png, "PNG").convertToFormat(QImage::Format_RGB32) ==
                shown.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), (QStringList{"folder", "g.png"}))
        << "no other file, temporary or not";
}

} // namespace
