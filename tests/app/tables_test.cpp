#include "app/batch/csvreader.h"
#include "app/batch/samples.h"
#include "app/batch/verificationtable.h"
#include "calc/messages.h"
#include "calc/module1.h"
#include "calc/verification.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace msg = calc::messages;
using batch::Record;

struct Table {
    int status;
    std::vector<Record> rows;
};

Table run(int (*mode)(std::istream&, std::ostream&, std::ostream&), const std::string& csv)
{
    std::istringstream in(csv);
    std::ostringstream out;
    std::ostringstream err;
    Table t{mode(in, out, err), {}};
    std::istringstream written(out.str());
    EXPECT_FALSE(batch::readCsv(written, [&t](const Record& r, std::size_t /*number*/) {
        t.rows.push_back(r);
        return true;
    }));
    return t;
}

struct Case {
    const char* name;  // also the first cell, copied through
    const char* cells; // N, R, C, f, Vp, Nota: the columns in another order, extra ones around
    Record appended;   // Ripple [mV], VoDC [V], Id picco [mA], Avviso, Errore
};

TEST(Verifica, EachRowGivesWhatTheWindowShows)
{
    const std::string warn = msg::TimeConstant;
    const std::vector<Case> cases = {
        {"defaults", "10000,2000,10,50,10,", {"5.55E+03", "7.11E+00", "3.04E+01", warn, ""}},
        {"no warning", "10000,2000,11,50,10,", {"5.24E+03", "7.28E+00", "3.28E+01", "", ""}},
        {"one sample", "1,2000,10,50,10,", {"0.00E+00", "1.00E+01", "5.00E+00", warn, ""}},
        {"field rule", "1e4,2.0E3,1E1,50.,+10,", {"5.55E+03", "7.11E+00", "3.04E+01", warn, ""}},
        {"missing Vp", "10000,2000,10,50,,", {"", "", "", "", msg::MissingVp}},
        {"comma", "10000,2000,\"1,5\",50,10,", {"", "", "", "", msg::InvalidC}},
        {"blank kept", "10000, 2000,10,50,10,", {"", "", "", "", msg::InvalidR}},
        {"f zero", "10000,2000,10,0,10,", {"", "", "", "", msg::BadF}},
        {"N too large", "53687092,2000,10,50,10,", {"", "", "", "", msg::BadN}},
        {"N zero", "0.4,2000,10,50,10,", {"", "", "", "", msg::BadN}},
        {"quotes", "10000,2000,10,50,10,\"dice \"\"sì\"\"\"", {"5.55E+03", "7.11E+00", "3.04E+01", warn, ""}},
    };
    std::string csv = "\xEF\xBB\xBF"
                      "Caso,N,R,C,f,Vp,Nota\r\n";
    for (const Case& c : cases) {
        csv += std::string(c.name) + "," + c.cells + "\r\n";
    }
    const Table t = run(batch::runVerification, csv);
    EXPECT_EQ(t.status, 1) << "some rows are refused";
    ASSERT_EQ(t.rows.size(), cases.size() + 1);
    EXPECT_EQ(t.rows[0], (Record{"Caso", "N", "R", "C", "f", "Vp", "Nota", "Ripple [mV]", "VoDC [V]", "Id picco [mA]",
                                 "Avviso", "Errore"}));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Record& row = t.rows[i + 1];
        ASSERT_EQ(row.size(), 12U) << cases[i].name;
        EXPECT_EQ(row[0], cases[i].name);
        EXPECT_EQ(Record(row.begin() + 7, row.end()), cases[i].appended) << cases[i].name;
    }
    EXPECT_EQ(t.rows.back()[6], "dice \"sì\"");
}

double number(const std::string& cell)
{
    double x = std::nan("");
    const auto r = std::from_chars(cell.data(), cell.data() + cell.size(), x);
    return r.ptr == cell.data() + cell.size() ? x : std::nan("");
}

TEST(Campioni, OnePeriodOfTheSimulation)
{
    // At this N and f the last k/(N*f) rounds away from 1/f.
    const int N = 998;
    const Table t = run(batch::runSamples, "Vp,f,C,R,N\n10,49.9,10,2000," + std::to_string(N) + "\n");
    ASSERT_EQ(t.status, 0);
    ASSERT_EQ(t.rows.size(), N + 2U);
    EXPECT_EQ(t.rows[0], (Record{"t [s]", "id [A]", "Vc [V]", "VoNoC [V]"}));
    EXPECT_EQ(t.rows[1], (Record{"0", "0.005", "10", "10"})) << "charged to Vp at the crest, where only R draws";
    EXPECT_EQ(t.rows[N / 2 + 1][3], "0") << "no half-wave while the generator is low";
    EXPECT_NEAR(number(t.rows[N + 1][2]), 10, 1e-9) << "the period closes where it began";
    calc::Module1 m; // the same press in the window: the bits the text must give back
    ASSERT_TRUE(calc::Command1_Click(m, {.f = "49.9", .N = std::to_string(N)}, '.', [](const std::string&) {}));
    for (int k = 0; k <= N; ++k) {
        const Record& row = t.rows[k + 1];
        // The last sample stands at the end of the period.
        const double time = k == N ? 1 / 49.9 : k / (N * 49.9);
        EXPECT_EQ((std::vector<double>{number(row[0]), number(row[1]), number(row[2]), number(row[3])}),
                  (std::vector<double>{time, m.id[k], m.Vc[k], m.VoNoC[k]}))
            << k;
    }
}

} // namespace
