// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/messages.h"
#include "calc/module1.h"
#include "graphs/graphpress.h"
#include "graphs/plotwaveforms.h"
#include "tests/app/programrun.h"

#include <QImage>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace std::literals;

namespace {

namespace msg = calc::messages;

const std::string warn = msg::TimeConstant + "\n"s, header = "Vp,f,C,R,N\n",
                  results = "Ripple [mV],VoDC [V],Id picco [mA],Avviso,Errore\n", top = "Vp,f,C,R,N," + results;

struct Case {
    std::string in;
    int status;
    std::string out, err{};
    QString option = "--verifica";
};

// Standard error up to the expected text's length; what --verifica writes, refusing nothing, reads back as written.
void expectRuns(const std::vector<Case>& cases)
{
    for (const auto& [in, status, out, err, option] : cases) {
        const auto [ranStatus, ranOut, ranErr] = run({option}, in);
        EXPECT_EQ(Ran(ranStatus, ranOut, ranErr.substr(0, err.empty() ? -1 : err.size())), Ran(status, out, err)) << in;
        if (status == 0 && option == "--verifica") {
            EXPECT_EQ(run({option}, ranOut), Ran(0, ranOut, "")) << "read back as written";
        }
    }
}

} // namespace

// At N = 1 the samples are the two peaks: no ripple, VoDC = Vp, Id = Vp/R; cells2V at 2 V, 4000 ohm.
TEST(Tables, RowsComputedNotedOrRefused)
{
    const std::string cells2V = ",0.00E+00,2.00E+00,5.00E-01,", warning = "\""s + msg::TimeConstant + "\",",
                      cell = "\"a,\"\"\r\nb\n\né\",2,50,10,4000,1";
    expectRuns({
        {" n ,R [ohm],Vp [V],F,C [uF]\n1,4000,2,50,10\n", 0,
         " n ,R [ohm],Vp [V],F,C [uF]," + results + "1,4000,2,50,10" + cells2V + ",\n", ""},
        {header + "1.2.3,50,10e,4000,1.4\n.,50,10,4000,1\n", 0,
         top + "1.2.3,50,10e,4000,1.4,0.00E+00,1.20E+00,3.00E-01,\"Vp: letto 1.2 da \"\"1.2.3\"\"; C: letto 10 da " +
             "\"\"10e\"\"; N: letto 1 da \"\"1.4\"\"\",\n.,50,10,4000,1,0.00E+00,0.00E+00,0.00E+00,\"Vp: letto 0 da "
             "\"\".\"\"\",\n",
         ""},
        // A refusal before a computed row decides the status; an earlier warning stays before a new one.
        {"Vp,f,C,R,N,Avviso\n2,50,1,,1,\n1e308,50,1,1,1,\n2,50,1,4000,1,prima\n", 1,
         top + "2,50,1,,1,,,,," + msg::MissingR + "\n1e308,50,1,1,1,,,," + warning + msg::NotFinite +
             "\n2,50,1,4000,1" + cells2V + "\"prima; " + warning.substr(1) + "\n",
         ""},
        // A CR, a blank line and a quote in a cell: rows are named by the line an editor shows.
        {"x," + header + cell + "\n\n\"2\n\"\n", 2, "x," + top + cell + cells2V + ",\n",
         "Riga 7: 1 cella, ma l'intestazione ha 6 colonne.\n"},
        // The byte order mark comes back; a second is a cell's, quoted so that no reader drops it.
        {"\xEF\xBB\xBF\xEF\xBB\xBFx," + header + "y,2,50,10,4000,1\n", 0,
         "\xEF\xBB\xBF\"\xEF\xBB\xBFx\"," + top + "y,2,50,10,4000,1" + cells2V + ",\n", ""},
        // A spreadsheet's empty rows, separators alone, count as lines, never as rows.
        {";;;\r\nx;Vp;f;C;R;N;\r\n;;;;;;\r\ny;2;50;10;4000;1;\r\n;;\r\n;2\r\n", 2,
         "x;Vp;f;C;R;N;;Ripple [mV];VoDC [V];Id picco [mA];Avviso;Errore\n"
         "y;2;50;10;4000;1;;0,00E+00;2,00E+00;5,00E-01;;\n",
         "Riga 6: 2 celle, ma l'intestazione ha 7 colonne.\n"},
        {header + "2,50,1,4000,0\n,,,,\n", 1, "", msg::BadN, "--campioni"},
    });
}

// Refused with the reason, and the line where there is one.
TEST(Tables, UnreadableInputsAndMisusedOptionsRefused)
{
    const std::string miss = "Manca la colonna ", tried = " (separatori provati: punto e virgola";
    std::vector<Case> cases = {
        {header + "\n2,\"5\n", 2, top, "Riga 3: l'ingresso"},
        {header + "\"\n\"x\n", 2, top, "Riga 2: l'ingresso"},
        {"Vp;f\tC,R\n", 2, "", miss + "f nella riga di intestazione" + tried}, // ";" on a tie
        {"VoDC,f,IoDC\n", 2, "", miss + "Ripple nella riga di intestazione" + tried, "--progetto"},
        {"vp,Vp [V]\n", 2, "", "La colonna Vp compare"},
        {"Vp,f,C (mF),R\n", 2, "", "L'unità della colonna C (mF) non è quella del campo"},
        {"\r\n", 2, "", "L'ingresso è vuoto"},
        {header + "2,50,1,4000,1\n2,50,1,4000,1\n", 2, "", "--campioni legge una sola riga di dati.\n", "--campioni"},
        {header, 2, "", "Manca la riga di dati", "--campioni"},
        {"Vp,f,C,R,Np\n2,50,1,4000,1\n2,50,1,4000,1\n", 2, "",
         "--grafico legge una sola riga di dati. Per più righe scrivi un file .pdf, una pagina per riga.\n",
         "--grafico=x.png"},
        {"Nome;Vp;f;C;R\n", 2, "",
         "Manca la riga di dati: --grafico con un file .pdf ne legge almeno una, sotto l'intestazione.\n",
         "--grafico=x.pdf"},
        {"", 2, "", "Formato non previsto per il file x.jpg: --grafico scrive file .png e .pdf.\n", "--grafico=x.jpg"},
        {"", 2, "", "Opzione sconosciuta: --verfica\nPer l'uso: raddrizzatore --help\n", "--verfica"},
    };
    for (const char* utf8 :
         {"\xF4\x90\x80\x80", "\xE0\x80\xAF", "\xED\xA0\x80", "\xC3("}) { // too high, too long, surrogate, cut
        cases.push_back(
            {"x," + header + utf8 + ",2,50,10,4000,1\n", 2, "x," + top, "Riga 2: il testo non è UTF-8 valido."});
    }
    expectRuns(cases);
    EXPECT_EQ(run({"--grafico=a.png", "--grafico", "b.png"}, ""),
              Ran(2, "", "L'opzione --grafico compare più di una volta.\nPer l'uso: raddrizzatore --help\n"));
}

// A point groups thousands where the comma is decimal; units as people write them; the separator that finds columns.
TEST(Tables, SheetsAsSpreadsheetsWriteThem)
{
    const std::string
        semi = "Nome, cognome;Vp;f;C [µF];R (Ω);N\n",
        r = ";Ripple [mV];VoDC [V];Id picco [mA];Avviso;Errore\n",
        sheet = ". In questo foglio la virgola separa i decimali e il punto soltanto le migliaia, a gruppi di "
                "tre cifre: ad es. 1,23 , 2.000 , 1.000,5\n",
        tsv = "\xEF\xBB\xBFVp\tf\tC\tR\tN";
    expectRuns({
        {"Nome,Vp,f,C [μF],R [ohm],N\nx,1000.5,50,100,2000,1\n", 0,
         "Nome,Vp,f,C [μF],R [ohm],N," + results + "x,1000.5,50,100,2000,1,0.00E+00,1.00E+03,5.00E+02,,\n"},
        {semi + "x;1.000,5;50;100;2.000;1\n", 0,
         "\"Nome, cognome\";Vp;f;C [µF];R (Ω);N" + r + "x;1.000,5;50;100;2.000;1;0,00E+00;1,00E+03;5,00E+02;;\n"},
        {"C (uF);Vp;f;R;N\n100;10;50;2.000,0,1;1\n.5;1;1;1;1\n1,5;1;1;1;0.500\n1;1;1;1;2.0000\n1;1;1;1234.567;1\n", 1,
         "C (uF);Vp;f;R;N" + r +
             "100;10;50;2.000,0,1;1;0,00E+00;1,00E+01;5,00E+00;\"R: letto 2.000,0 da "
             "\"\"2.000,0,1\"\"\";\n.5;1;1;1;1;;;;;" +
             msg::InvalidC + sheet + "1,5;1;1;1;0.500;;;;;" + msg::InvalidN + sheet + "1;1;1;1;2.0000;;;;;" +
             msg::InvalidN + sheet + "1;1;1;1234.567;1;;;;;" + msg::InvalidR + sheet},
        // A tab sheet may be English, where 2.000 is 2: Avviso says how it was read.
        {tsv + "\n2.000\t50\t100\t4.000,5\t1\n", 0,
         tsv + "\tRipple [mV]\tVoDC [V]\tId picco [mA]\tAvviso\tErrore\n"
               "2.000\t50\t100\t4.000,5\t1\t0,00E+00\t2,00E+03\t5,00E+02\t\"Vp: letto 2000 da \"\"2.000\"\"; "
               "R: letto 4000,5 da \"\"4.000,5\"\"\"\t\n"},
    });
    EXPECT_EQ(std::get<2>(run({"--campioni"}, "Vp\tf\tC\tR\tN\n2\t50\t1.000\t4000\t1.000\n")),
              "C: letto 1000 da \"1.000\"\nN: letto 1000 da \"1.000\"\n");
}

// The graph file is the window's drawing: columns in another order, a negative generator, R*C over the period (no
// warning); Np 4 when missing.
TEST(Tables, GraphFileIsTheWindowsDrawing)
{
    calc::Module1 m;
    graphs::Command2_Click(m, {.Vp = "-5", .f = "60", .C = "22", .R = "1500", .N = "500"}, "4", [](auto, auto&) {});
    QImage drawn = graphs::blankPlot({989, 581});
    graphs::PlotWaveforms(m, drawn);
    const auto [status, png, err] = run({"--grafico", "-"}, "N,R,C,f,Vp\n500,1500,22,60,-5\n");
    EXPECT_EQ(std::tuple(status, err, QImage::fromData(png).convertToFormat(QImage::Format_RGB32)),
              std::tuple(0, ""s, drawn));
}

// Design, then what it gives: for a small ripple the closed formulas hold and the diode conducts briefly.
TEST(Tables, DesignPipedIntoVerification)
{
    const auto [status, out, err] =
        run({"--verifica"},
            std::get<1>(run({"--progetto"}, "VoDC,f,IoDC,Ripple\n12,50,500,100\n6,5,2,1\n5.5.5,60,20,50\n5,60,,50\n")));
    ASSERT_EQ(std::tuple(status, err), std::tuple(1, ""s));
    const std::string wanted = "VoDC richiesto [V],f,IoDC,Ripple richiesto [mV],";
    EXPECT_TRUE(out.starts_with(wanted + "R [ohm],Vp [V],C [uF],Ripple [mV]"));
    std::istringstream rows(out);
    std::string line;
    for (std::getline(rows, line); std::getline(rows, line) && line[0] != '5';) {
        std::replace(line.begin(), line.end(), ',', ' ');
        std::istringstream row(line);
        double cell[10];
        for (double& x : cell) {
            row >> x;
        }
        EXPECT_NEAR(cell[7] / cell[3], 1, 0.05) << "ripple " << line;
        EXPECT_NEAR(cell[8] / cell[0], 1, 0.01) << "VoDC " << line;
        EXPECT_GT(cell[9], 10 * cell[2]) << "Id picco over IoDC " << line;
    }
    EXPECT_NE(out.find(",\"VoDC: letto 5.5 da \"\"5.5.5\"\"\",\n5,"), std::string::npos) << out;
    EXPECT_TRUE(out.ends_with("\n5,60,,50,,,,,,,," + std::string(msg::MissingIoDC) + "\n"));
    // Through --verifica again: no note twice. Designed again from the wanted values: R = 12 V / 500 mA.
    EXPECT_EQ(run({"--verifica"}, out), Ran(1, out, ""));
    const auto [again, designed, said] = run({"--progetto"}, out);
    EXPECT_EQ(std::tuple(again, said), std::tuple(1, ""s));
    EXPECT_NE(designed.find(",2.40E+01,"), std::string::npos) << designed;
    EXPECT_TRUE(designed.starts_with(wanted + "Ripple [mV],VoDC [V],Id picco [mA],R [ohm],Vp [V],C [uF],Avviso,Errore\n"
                                              "12,50,500,100,"))
        << designed;
}

// Vp*cos(wt) through an ideal diode into R || C: it stops at tan(w*t1) = 1/(w*R*C), then C discharges through R.
// Times are k/(N*f).
TEST(Tables, SamplesOfOnePeriod)
{
    auto [status, out, err] = run({"--campioni"}, "\xEF\xBB\xBFVp;f;C;R\r\n10;50;10;2000\r\n");
    EXPECT_EQ(err, warn);
    EXPECT_TRUE(out.starts_with("\xEF\xBB\xBFt [s];id [A];Vc [V];VoNoC [V]\n0;0,005;10;10\n"));
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 10002) << "N: 10000 when missing";
    for (char& c : out) {
        c = c == ',' ? '.' : c == ';' ? ',' : c;
    }
    std::istringstream rows(out.substr(out.find('\n')));
    const double w = 100 * M_PI, RC = 0.02, t1 = std::atan(1 / (w * RC)) / w;
    for (int k = 0; k <= 10000; ++k) {
        double t, id, Vc, VoNoC;
        for (double* cell : {&t, &id, &Vc, &VoNoC}) {
            rows.ignore(1) >> *cell;
        }
        if (k % 2500 == 0) {
            EXPECT_EQ(t, k / 5e5);
            EXPECT_NEAR(VoNoC, std::max(0.0, 10 * std::cos(w * t)), 1e-12);
            EXPECT_NEAR(id, k % 10000 == 0 ? 0.005 : 0, 1e-12);
            EXPECT_NEAR(Vc, k % 10000 == 0 ? 10 : 10 * std::cos(w * t1) * std::exp((t1 - t) / RC), 1e-3) << k;
        }
    }
}
