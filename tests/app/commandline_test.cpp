#include "calc/messages.h"
#include "calc/module1.h"
#include "tests/support/testaccess.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/plotarea.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

// The real program as a shell starts it, on a machine without a display.
static std::tuple<int, std::string, std::string> run(const QStringList& args, const std::string& in, void (*child)())
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        qunsetenv(name);
    QProcess p;
    p.setChildProcessModifier(child);
    p.start(QStringLiteral(RADDRIZZATORE_PROGRAM), args);
    p.write(QByteArray::fromStdString(in));
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput().toStdString(),
            p.readAllStandardError().toStdString()};
}

TEST(CommandLine, ExitStatusAndWhatIsWritten)
{
    QTemporaryDir dir;
    const QString older = dir.filePath("older.png"), fresh = dir.filePath("fresh.png"), lost = dir.filePath("no/g.png");
    std::ofstream(older.toStdString()) << "an older file";
    link(older.toLocal8Bit(), fresh.toLocal8Bit()); // one file under two names: a write in place would show in both
    // clang-format off
    const std::string head = "Vp,f,C,R,N\n", circuit = head + "10,50,11,2000,10000\n", graph = "Np,Vp,f,C,R,N\n3,10,50,10,2000,500\n";
    const std::string help = "\nPer l'uso: raddrizzatore --help\n", warn = calc::messages::TimeConstant + std::string("\n");
    const auto fullDisk = [] { dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO); };
    const auto smallQuota = [] { signal(SIGXFSZ, SIG_IGN); const rlimit limit{4096, 4096}; setrlimit(RLIMIT_FSIZE, &limit); };
    const struct {
        const char* name;
        QStringList arguments;
        std::string input;
        int status;
        std::string out, err; // out is found on standard output, err is all of standard error
        void (*child)() = [] {};
    } cases[] = {
        {"all computed", {"--verifica"}, circuit, 0, "2000,10000,5.24E+03,7.28E+00,3.28E+01,,\n", ""},
        {"refused, others written", {"--verifica"}, head + "10,50,,2,1\n10,50,10,2000,1\n", 1, "\n10,50,10,2000,1,0.00E+00,1.00E+01,5.00E+00,", ""},
        {"design", {"--progetto"}, "Ripple,IoDC,f,VoDC\n3600,500,50,12\n3600,0,50,12\n", 1, "Ripple,IoDC,f,VoDC,R [ohm],Vp [V],C [uF],Errore\n"
            "3600,500,50,12,2.40E+01,1.38E+01,3.19E+03,\n3600,0,50,12,,,," + std::string(calc::messages::BadIoDC) + "\n", ""},
        {"column missing", {"--progetto"}, "VoDC,f,IoDC\n12,50,500\n", 2, "", "Manca la colonna Ripple nella riga di intestazione.\n"},
        {"column twice", {"--verifica"}, "N," + head, 2, "", "La colonna N compare più di una volta nella riga di intestazione.\n"},
        {"no header", {"--verifica"}, "", 2, "", "L'ingresso è vuoto: manca la riga di intestazione con i nomi delle colonne.\n"},
        {"cells unlike the header", {"--verifica"}, circuit + "10,50,11,2000,1,9\n", 2, "3.28E+01,,\n", "Riga 3: 6 celle, ma l'intestazione ha 5 colonne.\n"},
        {"unterminated quote", {"--verifica"}, head + "10,50,11,2000,\"1\n", 2, "", "Riga 2: l'ingresso non è un CSV valido (virgolette non chiuse o fuori posto).\n"},
        {"stray quote", {"--verifica"}, head + "10,5\"0,11,2000,1\n", 2, "", "Riga 2: l'ingresso non è un CSV valido (virgolette non chiuse o fuori posto).\n"},
        {"UTF-8 too long", {"--verifica"}, "x," + head + "\xE0\x80\xAF,10,50,11,2000,1\n", 2, "", "Riga 2: il testo non è UTF-8 valido.\n"},
        {"UTF-8 surrogate", {"--verifica"}, "x," + head + "\xED\xA0\x80,10,50,11,2000,1\n", 2, "", "Riga 2: il testo non è UTF-8 valido.\n"},
        {"UTF-8 cut short", {"--verifica"}, "x," + head + "\xC3(,10,50,11,2000,1\n", 2, "", "Riga 2: il testo non è UTF-8 valido.\n"},
        {"full disk", {"--verifica"}, circuit, 2, "", "Impossibile scrivere lo standard output.\n", fullDisk},
        {"unknown option", {"--verfica"}, circuit, 2, "", "Opzione sconosciuta: --verfica" + help},
        {"two modes", {"--verifica", "--progetto"}, circuit, 2, "", "Scegli una sola delle opzioni --verifica, --progetto, --campioni e --grafico FILE.png." + help},
        {"stray argument", {"--verifica", "x"}, circuit, 2, "", "Argomento inatteso: x" + help},
        {"help", {"--help"}, "", 0, "Uso: raddrizzatore [--verifica | --progetto | --campioni | --grafico FILE.png]\n", ""},
        {"samples refused", {"--campioni"}, head + "10,50,11,2000,0\n", 1, "", calc::messages::BadN + std::string("\n")},
        {"samples of two rows", {"--campioni"}, circuit + "10,50,11,2000,2\n", 2, "", "--campioni legge una sola riga di dati.\n"},
        {"samples of no row", {"--campioni"}, head, 2, "", "Manca la riga di dati: --campioni ne legge una, sotto l'intestazione.\n"},
        {"samples, cells unlike", {"--campioni"}, head + "10,50,11,2000,1,9\n", 2, "", "Riga 2: 6 celle, ma l'intestazione ha 5 colonne.\n"},
        {"samples, full disk", {"--campioni"}, circuit, 2, "", "Impossibile scrivere lo standard output.\n", fullDisk},
        {"graph without a file", {"--grafico"}, graph, 2, "", "Manca il nome del file PNG dopo --grafico." + help},
        {"graph refused", {"--grafico", older}, "Np,Vp,f,C,R,N\n,10,50,10,2000,500\n", 1, "", calc::messages::MissingNp + std::string("\n")},
        {"graph, no folder", {"--grafico", lost}, graph, 2, "", warn + "Impossibile scrivere il file " + lost.toStdString() + ".\n"},
        {"graph over quota", {"--grafico", older}, graph, 2, "", warn + "Impossibile scrivere il file " + older.toStdString() + ".\n", smallQuota},
        {"graph", {"--grafico", fresh}, graph, 0, "", warn},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto [status, out, err] = run(c.arguments, c.input, c.child);
        EXPECT_EQ(std::tuple(status, out.find(c.out) != std::string::npos, err), std::tuple(c.status, true, c.err))
            << c.name << ": " << out;
    }
    std::ifstream in(older.toStdString());
    EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(in), {}) == "an older file") << "left as it was";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"fresh.png", "older.png"}));
    calc::Module1 module; // the same row in the graph window
    ui::Form1 form1(module);
    ui::TestAccess::setShowMessage(form1, [](calc::Severity, const std::string&) {});
    form1.findChild<QObject*>("Text5")->setProperty("text", "500");
    form1.findChild<QObject*>("Text7")->setProperty("text", "3");
    form1.Command2_Click();
    ASSERT_NE(ui::TestAccess::graphWindow(form1), nullptr);
    const QImage shown = ui::TestAccess::graphWindow(form1)->findChild<ui::PlotArea*>("Picture1")->image();
    EXPECT_TRUE(QImage(fresh).convertToFormat(QImage::Format_RGB32) == shown.convertToFormat(QImage::Format_RGB32));
}
