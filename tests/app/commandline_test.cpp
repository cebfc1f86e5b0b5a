#include "app/batch/commandline.h"
#include "calc/messages.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

using namespace std::literals;
using Ran = std::tuple<int, std::string, std::string>;

static Ran run(QStringList args, const std::string& input)
{
    std::istringstream in(input);
    std::ostringstream out, err;
    args.prepend("raddrizzatore");
    const int status = batch::runCommandLine(args, in, out, err);
    return {status, out.str(), err.str()};
}

// The real program as a shell starts it, on a machine without a display.
static Ran process(const QStringList& args, const std::string& in, void (*child)())
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        qunsetenv(name);
    QProcess p;
    p.setChildProcessModifier(child);
    p.start(QStringLiteral(RADDRIZZATORE_PROGRAM), args);
    p.write(QByteArray::fromStdString(in));
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
}

static const std::string head = "Vp,f,C,R,N\n", results = "Ripple [mV],VoDC [V],Id picco [mA],Avviso,Errore\n",
                         notCsv = ": l'ingresso non è un CSV valido (virgolette non chiuse o fuori posto).\n",
                         notUtf8 = ": il testo non è UTF-8 valido.\n", help = "\nPer l'uso: raddrizzatore --help\n";

// With N = 1 the period is sampled at its two peaks: no ripple, VoDC = Vp, and Id = Vp/R.
TEST(CommandLine, Tables)
{
    const std::string warn = calc::messages::TimeConstant, valid = "x,Vp,f,C,R,N," + results;
    const struct {
        QStringList arguments;
        std::string in;
        int status;
        std::string out, err;
    } cases[] = {
        {{"--verifica"},
         " vp ,F,C [uF],R [ohm],n\n2,50,10,4000,1\n",
         0,
         " vp ,F,C [uF],R [ohm],n," + results + "2,50,10,4000,1,0.00E+00,2.00E+00,5.00E-01,,\n",
         ""},
        {{"--verifica"},
         head + ".,50,10,4000,1\n1.2.3,50,1,4000,1.4\n",
         0,
         "Vp,f,C,R,N," + results + ".,50,10,4000,1,0.00E+00,0.00E+00,0.00E+00,\"Vp: letto 0 da \"\".\"\"\",\n" +
             "1.2.3,50,1,4000,1.4,0.00E+00,1.20E+00,3.00E-01,\"Vp: letto 1.2 da \"\"1.2.3\"\"; N: letto 1 da "
             "\"\"1.4\"\"; " +
             warn + "\",\n",
         ""},
        {{"--verifica"},
         head + "2,50,1,4000,1\n2,50,1,,1\n",
         1,
         "Vp,f,C,R,N," + results + "2,50,1,4000,1,0.00E+00,2.00E+00,5.00E-01," + '"' + warn + "\",\n" +
             "2,50,1,,1,,,,," + calc::messages::MissingR + "\n",
         ""},
        {{"--verifica"},
         "x,Vp,f,C,R,N\n\"a\nb\nc\",2,50,10,4000,1\n\n2\n",
         2,
         valid + "\"a\nb\nc\",2,50,10,4000,1,0.00E+00,2.00E+00,5.00E-01,,\n",
         "Riga 6: 1 cella, ma l'intestazione ha 6 colonne.\n"},
        {{"--verifica"},
         "x,Vp,f,C,R,N\nné,2,50,10,4000,1\n",
         0,
         valid + "né,2,50,10,4000,1,0.00E+00,2.00E+00,5.00E-01,,\n",
         ""},
        {{"--verifica"}, "x," + head + "\xF4\x90\x80\x80,2,50,10,4000,1\n", 2, valid, "Riga 2" + notUtf8},
        {{"--verifica"}, "x," + head + "\xE0\x80\xAF,2,50,10,4000,1\n", 2, valid, "Riga 2" + notUtf8},
        {{"--verifica"}, "x," + head + "\xED\xA0\x80,2,50,10,4000,1\n", 2, valid, "Riga 2" + notUtf8},
        {{"--verifica"}, "x," + head + "\xC3(,2,50,10,4000,1\n", 2, valid, "Riga 2" + notUtf8},
        {{"--verifica"}, head + "\n2,\"5\n", 2, "Vp,f,C,R,N," + results, "Riga 3" + notCsv},
        {{"--verifica"}, head + "2,5\"0,1,1,1\n", 2, "Vp,f,C,R,N," + results, "Riga 2" + notCsv},
        {{"--verifica"},
         "Vp\tf\tC\tR\tN\n",
         2,
         "",
         "Manca la colonna Vp nella riga di intestazione. Il separatore letto è la virgola.\n"},
        {{"--verifica"},
         "Vp;f\tC;R;N\n",
         2,
         "",
         "Manca la colonna f nella riga di intestazione. Il separatore letto è il punto e virgola.\n"},
        {{"--progetto"}, "VoDC,f,IoDC\n", 2, "", "Manca la colonna Ripple nella riga di intestazione.\n"},
        {{"--verifica"},
         "vp,Vp [V],f,C,R\n",
         2,
         "",
         "La colonna Vp compare più di una volta nella riga di intestazione.\n"},
        {{"--verifica"},
         "Vp,f,C [F],R\n",
         2,
         "",
         "L'unità della colonna C [F] non è quella del campo: scrivi C [uF].\n"},
        {{"--verifica"},
         "\r\n",
         2,
         "",
         "L'ingresso è vuoto: manca la riga di intestazione con i nomi delle colonne.\n"},
        {{"--verfica"}, "", 2, "", "Opzione sconosciuta: --verfica" + help},
        {{"--verifica", "--progetto"},
         "",
         2,
         "",
         "Scegli una sola delle opzioni --verifica, --progetto, --campioni e --grafico FILE." + help},
        {{"--verifica", "x"}, "", 2, "", "Argomento inatteso: x" + help},
        {{"--grafico"}, "", 2, "", "Manca il nome del file dopo --grafico." + help},
        {{"--campioni"}, head + "2,50,1,4000,0\n", 1, "", calc::messages::BadN + "\n"s},
        {{"--campioni"}, head + "2,50,1,4000,1\n2,50,1,4000,1\n", 2, "", "--campioni legge una sola riga di dati.\n"},
        {{"--campioni"}, head, 2, "", "Manca la riga di dati: --campioni ne legge una, sotto l'intestazione.\n"},
        {{"--campioni"}, head + "2,50,1\n", 2, "", "Riga 2: 3 celle, ma l'intestazione ha 5 colonne.\n"},
        {{"--grafico", "x.jpg"}, "", 2, "", "Formato non previsto per il file x.jpg: --grafico scrive file .png.\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(run(c.arguments, c.in), Ran(c.status, c.out, c.err)) << c.in;
    const auto [status, usage, err] = run({"-h"}, "");
    EXPECT_TRUE(usage.starts_with("Uso: raddrizzatore [--verifica | --progetto | --campioni | --grafico FILE]\n"));
    for (const char* listed : {"R [ohm], N (senza colonna: 10000)", "(989 x 581 pixel)", "(.png)"})
        EXPECT_NE(usage.find(listed), std::string::npos) << listed;
}

// A spreadsheet under Italian settings: ";" between cells, decimal commas, CRLF and a byte order mark.
TEST(CommandLine, ItalianSheetGivesWhatItsCommaTwinGives)
{
    const std::string twin =
        "Nome,Vp,f,C,R,VoDC,IoDC,Ripple\nb,10.5,50,11,2000,12,500,3600\nc,1.2.3,50,1.1E1,2000,9,.5E3,5\n";
    std::string sheet = twin;
    for (char& c : sheet)
        c = c == ',' ? ';' : c == '.' ? ',' : c;
    for (std::size_t at = 0; (at = sheet.find('\n', at)) != std::string::npos; at += 2)
        sheet.insert(at, "\r");
    for (const char* mode : {"--verifica", "--progetto"}) {
        auto [status, out, err] = run({mode}, twin);
        for (char& c : out)
            c = c == ',' ? ';' : c == '.' ? ',' : c == ';' ? ',' : c;
        EXPECT_EQ(run({mode}, "\xEF\xBB\xBF" + sheet), Ran(status, "\xEF\xBB\xBF" + out, err)) << mode;
    }
}

// Design, then what the design really gives: the closed formulas hold for a small ripple, the diode conducts briefly.
TEST(CommandLine, DesignPipedIntoVerification)
{
    const auto [designed, designOut, designErr] =
        run({"--progetto"}, "VoDC,f,IoDC,Ripple\n12,50,500,100\n5,60,20,50\n");
    const auto [status, out, err] = run({"--verifica"}, designOut);
    ASSERT_EQ(std::tuple(designed, status, err), std::tuple(0, 0, ""s));
    EXPECT_TRUE(out.starts_with("f,IoDC,R [ohm],Vp [V],C [uF],Ripple [mV],VoDC [V],Id picco [mA],Avviso,Errore\n"));
    std::istringstream rows(out.substr(out.find('\n') + 1));
    for (const auto [VoDC, IoDC, ripple] : {std::tuple(12.0, 500.0, 100.0), {5.0, 20.0, 50.0}}) {
        double cell[8];
        char comma = 0;
        for (double& x : cell)
            rows >> x >> comma;
        rows.ignore(99, '\n');
        EXPECT_NEAR(cell[5], ripple, ripple * 0.05);
        EXPECT_NEAR(cell[6], VoDC, VoDC * 0.01);
        EXPECT_GT(cell[7], 10 * IoDC);
    }
}

TEST(CommandLine, GraphFiles)
{
    QTemporaryDir dir;
    const QString older = dir.filePath("older.png"), fresh = dir.filePath("fresh.PNG"), lost = dir.filePath("no/g.png");
    std::ofstream(older.toStdString()) << "an older file";
    link(older.toLocal8Bit(), fresh.toLocal8Bit()); // one file under two names: a write in place would show in both
    const std::string graph = "Np,Vp,f,C,R,N\n3,10,50,10,2000,500\n", warn = calc::messages::TimeConstant + "\n"s;
    const auto [status, png, err] = run({"--grafico", "-"}, graph);
    EXPECT_EQ(std::tuple(status, err), std::tuple(0, warn));
    EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(png), "png").size(), QSize(989, 581));
    EXPECT_EQ(run({"--grafico", older}, "Np,Vp,f,C,R,N\n,10,50,10,2000,500\n"),
              Ran(1, "", calc::messages::MissingNp + "\n"s));
    EXPECT_EQ(
        run({"--grafico", lost}, graph),
        Ran(2, "", warn + "Impossibile scrivere il file " + lost.toStdString() + ": " + strerror(ENOENT) + ".\n"));
    const auto fullDisk = [] { dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO); };
    const auto smallQuota = [] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
    };
    const std::string noSpace = "Impossibile scrivere lo standard output: "s + strerror(ENOSPC) + ".\n";
    EXPECT_EQ(process({"--verifica"}, head + "2,50,1,4000,1\n", fullDisk), Ran(2, "", noSpace));
    EXPECT_EQ(process({"--campioni"}, head + "2,50,1,4000,1\n", fullDisk), Ran(2, "", warn + noSpace));
    EXPECT_EQ(
        process({"--grafico", older}, graph, smallQuota),
        Ran(2, "", warn + "Impossibile scrivere il file " + older.toStdString() + ": " + strerror(EFBIG) + ".\n"));
    EXPECT_EQ(process({"--grafico", fresh}, graph, [] {}), Ran(0, "", warn));
    std::ifstream in(older.toStdString());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "an older file") << "left as it was";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"fresh.PNG", "older.png"}));
    EXPECT_TRUE(QImage(fresh).convertToFormat(QImage::Format_RGB32) ==
                QImage::fromData(QByteArray::fromStdString(png)).convertToFormat(QImage::Format_RGB32));
}
