#include "app/batch/designtable.h"
#include "app/batch/samples.h"
#include "app/batch/verificationtable.h"
#include "calc/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

using namespace std::literals;
using Mode = decltype(&batch::runSamples);

static std::tuple<int, std::string, std::string> run(Mode mode, const std::string& csv)
{
    std::istringstream in(csv);
    std::ostringstream out, err;
    const int status = mode(in, out, err);
    return {status, out.str(), err.str()};
}

// Each column reaches its own field: left empty, it is refused with that field's message.
TEST(Tables, EachColumnReachesItsField)
{
    namespace m = calc::messages;
    const std::tuple<Mode, std::string, std::vector<const char*>> tables[] = {
        {batch::runVerification, "N,R,C,f,Vp", {m::MissingN, m::MissingR, m::MissingC, m::MissingF, m::MissingVp}},
        {batch::runDesign, "Ripple,IoDC,f,VoDC", {m::MissingRipple, m::MissingIoDC, m::MissingDesignF, m::MissingVoDC}},
    };
    for (const auto& [mode, header, messages] : tables) {
        for (std::size_t empty = 0; empty < messages.size(); ++empty) {
            std::string row = "x";
            for (std::size_t i = 0; i < messages.size(); ++i)
                row += i == empty ? "," : ",1";
            const auto [status, out, err] = run(mode, "Nota," + header + "\n" + row + "\n");
            EXPECT_TRUE(status == 1 && out.ends_with(row + ",,,,," + messages[empty] + "\n")) << out;
        }
    }
    // R = VoDC/IoDC, Vp = Ripple/2 + VoDC, C = Vp/(Ripple*f*R), by hand
    EXPECT_EQ(
        run(batch::runDesign, "Ripple,IoDC,f,VoDC\n3600,500,50,12\n"),
        std::tuple(
            0, "Ripple,IoDC,f,VoDC,R [ohm],Vp [V],C [uF],Avviso,Errore\n3600,500,50,12,2.40E+01,1.38E+01,3.19E+03,,\n"s,
            ""s));
}

// Vp*cos(wt) through an ideal diode into R || C: the diode stops where the capacitor's current cancels R's,
// tan(w*t1) = 1/(w*R*C), then C discharges through R. Times are k/(N*f); the last stands at exactly 1/f.
TEST(Tables, SamplesOfOnePeriod)
{
    auto [status, out, err] = run(batch::runSamples, "\xEF\xBB\xBFVp;f;C;R\r\n10;50;10;2000\r\n");
    EXPECT_TRUE(out.starts_with("\xEF\xBB\xBFt [s];id [A];Vc [V];VoNoC [V]\n0;0,005;10;10\n"));
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 10002) << "N: 10000 when missing";
    std::tie(status, out, err) = run(batch::runSamples, "Vp;f;C;R;N\n10;50;10;2000;4\n");
    EXPECT_EQ(std::tuple(status, err), std::tuple(0, calc::messages::TimeConstant + "\n"s));
    EXPECT_TRUE(out.starts_with("t [s];id [A];Vc [V];VoNoC [V]\n0;0,005;10;10\n0,005;0;")) << out;
    for (char& c : out)
        c = c == ',' ? '.' : c == ';' ? ' ' : c;
    std::istringstream rows(out.substr(out.find('\n')));
    const double w = 100 * M_PI, RC = 0.02, t1 = std::atan(1 / (w * RC)) / w;
    for (int k = 0; k <= 4; ++k) {
        double t, id, Vc, VoNoC;
        rows >> t >> id >> Vc >> VoNoC;
        EXPECT_EQ(t, k * 0.005);
        EXPECT_NEAR(VoNoC, std::max(0.0, 10 * std::cos(w * t)), 1e-12);
        EXPECT_NEAR(id, k % 4 == 0 ? 0.005 : 0, 1e-12);
        EXPECT_NEAR(Vc, k % 4 == 0 ? 10 : 10 * std::cos(w * t1) * std::exp((t1 - t) / RC), 0.01) << k;
    }
    std::tie(status, out, err) = run(batch::runSamples, "Vp,f,C,R,N\n10,49.9,10,2000,998\n");
    EXPECT_EQ(out.substr(out.rfind('\n', out.size() - 2) + 1, 20), "0.02004008016032064,") << "1/49.9 to the last bit";
}
