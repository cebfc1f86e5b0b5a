#include "app/batch/samples.h"
#include "app/batch/verificationtable.h"
#include "calc/messages.h"
#include "calc/module1.h"
#include "calc/verification.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace std::literals;

static std::tuple<int, std::string, std::string> run(decltype(&batch::runSamples) mode, const std::string& csv)
{
    std::istringstream in(csv);
    std::ostringstream out, err;
    const int status = mode(in, out, err);
    return {status, out.str(), err.str()};
}

TEST(Verifica, EachRowGivesWhatTheWindowShows)
{
    // Named rows: the window's columns in another order among the user's own, then what is appended.
    std::string csv = "\uFEFFCaso,N,R,C,f,Vp,Nota\r\n";
    std::string expected = "Caso,N,R,C,f,Vp,Nota,Ripple [mV],VoDC [V],Id picco [mA],Avviso,Errore\n";
    const std::string warned = "\"Costante di tempo RC troppo piccola, aumenta C!\",";
    const std::tuple<const char*, const char*, std::string> cases[] = {
        {"defaults", "10000,2000,10,50,10,", "5.55E+03,7.11E+00,3.04E+01," + warned},
        {"no warning", "10000,2000,11,50,10,", "5.24E+03,7.28E+00,3.28E+01,,"},
        {"missing Vp", "10000,2000,10,50,,", ",,,,"s + calc::messages::MissingVp},
        {"comma", "10000,2000,\"1,5\",50,10,", ",,,,\""s + calc::messages::InvalidC + '"'},
        {"blank kept", "10000, 2000,10,50,10,", ",,,,\""s + calc::messages::InvalidR + '"'},
        {"f zero", "10000,2000,10,0,10,", ",,,,"s + calc::messages::BadF},
        {"N too large", "53687092,2000,10,50,10,", ",,,,"s + calc::messages::BadN},
        {"quotes", "1,2000,10,50,10,\"dice \"\"sì\"\"\"", "0.00E+00,1.00E+01,5.00E+00," + warned},
    };
    for (const auto& [name, cells, appended] : cases) {
        csv += name + ","s + cells + "\r\n";
        expected += name + ","s + cells + ',' + appended + '\n';
    }
    EXPECT_EQ(run(batch::runVerification, csv), std::tuple(1, expected, ""s)) << "1: some rows are refused";
}

TEST(Campioni, OnePeriodOfTheSimulation)
{
    const int N = 998; // at this N and f the last k/(N*f) rounds away from 1/f
    const auto [status, out, err] = run(batch::runSamples, "Vp,f,C,R,N\n10,49.9,10,2000,998\n");
    EXPECT_EQ(std::tuple(status, err), std::tuple(0, calc::messages::TimeConstant + "\n"s));
    EXPECT_TRUE(out.starts_with("t [s],id [A],Vc [V],VoNoC [V]\n0,0.005,10,10\n")) << "Vc starts at Vp; only R draws";
    calc::Module1 m; // the same press in the window: the bits the text must give back
    ASSERT_TRUE(calc::Command1_Click(m, {.f = "49.9", .N = "998"}, '.', [](calc::Severity, const std::string&) {}));
    std::istringstream lines(out.substr(out.find('\n') + 1));
    for (int k = 0; k <= N; ++k) {
        std::vector<double> read(4);
        char comma = 0;
        lines >> read[0] >> comma >> read[1] >> comma >> read[2] >> comma >> read[3];
        const double time = k == N ? 1 / 49.9 : k / (N * 49.9); // the last at exactly 1/f
        EXPECT_EQ(read, (std::vector<double>{time, m.id[k], m.Vc[k], m.VoNoC[k]})) << k;
    }
    EXPECT_TRUE((lines >> std::ws).eof()) << "N + 1 samples";
}
