// The buttons and the readout on one module: the first ten lines of the input are the fields Vp, f, C, R, N, Np, then
// VoDC, f, IoDC, Ripple; each later byte presses a button or, with the two bytes after it, moves the pointer. A design
// writes its results into the fields, as the window does. A refused press shows one refusal (perhaps after the
// warning) and changes nothing; an accepted one warns exactly when the period exceeds R*C and shows well-formed texts.

#include "calc/design.h"
#include "calc/module1.h"
#include "calc/rounding.h"
#include "calc/val.h"
#include "calc/verification.h"
#include "graphs/graphpress.h"
#include "graphs/readout.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string_view>
#include <vector>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Under a comma no point may show, and the other way round.
bool matches(std::string s, const std::regex& pattern, char separator)
{
    const bool other = s.find(separator == ',' ? '.' : ',') != std::string::npos;
    std::replace(s.begin(), s.end(), ',', '.');
    return !other && std::regex_match(s, pattern) && s.find("-0.00") == std::string::npos;
}

const std::regex scientific(R"(-?[1-9]\.[0-9]{2}E[+-][0-9]{2,3}|0\.00E\+00)");
const std::regex
    readout(R"(t= -?[0-9]+\.[0-9]{2}usec ; (id\(t\) = -?[0-9]+\.[0-9]{2}mA|Vc\(t\) = -?[0-9]+\.[0-9]{2}V))");

auto state(const calc::Module1& m)
{
    return std::tuple(m.Vp, m.f, m.C, m.R, m.N, m.dt, m.Np, m.t1, m.t2, m.IdPicco, m.Vomax, m.Vomin, m.VoDC, m.Vc);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> f;
    while (f.size() < 10) {
        const auto end = input.find('\n');
        f.emplace_back(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    // Few samples, so that one input runs in milliseconds; the counts beyond the largest are refused as typed.
    const auto N = calc::roundToLong(calc::Val(f[4]));
    calc::CircuitTexts circuit{f[0], f[1], f[2], f[3], N && *N > 4096 && *N <= calc::Module1::MaxN ? "4096" : f[4]};
    calc::Module1 m;
    std::vector<std::pair<calc::Severity, std::string>> shown;
    const calc::ShowMessage show = [&shown](calc::Severity s, const std::string& text) { shown.emplace_back(s, text); };
    for (std::size_t i = 0; i < input.size(); ++i) {
        const auto action = static_cast<std::uint8_t>(input[i]);
        const char separator = action >= 0x80 ? ',' : '.';
        const auto before = state(m);
        shown.clear();
        std::vector<std::string> texts;
        bool accepted = true;
        if (action % 4 == 0) {
            const auto r = calc::Command1_Click(m, circuit, separator, show);
            accepted = r.has_value();
            texts = r ? std::vector{r->Ripple, r->IdPicco, r->VoDC} : texts;
        } else if (action % 4 == 1) {
            const auto r = calc::Command3_Click(m, {f[6], f[7], f[8], f[9]}, separator, show);
            accepted = r.has_value();
            if (r) {
                texts = {r->R, r->Vp, r->C};
                circuit = {r->VpField, r->fField, r->CField, r->RField, circuit.N};
                for (const std::string* field : {&r->VpField, &r->fField, &r->CField, &r->RField}) {
                    require(matches(*field, scientific, '.'), "designed fields read d.ddE+dd with a point");
                }
            }
        } else if (action % 4 == 2) {
            accepted = graphs::Command2_Click(m, circuit, f[5], show);
        } else if (i + 2 < input.size()) {
            const float X = static_cast<float>(static_cast<std::int8_t>(input[++i])) * 1.7F + 50;
            const float Y = static_cast<float>(static_cast<std::int8_t>(input[++i])) * 0.9F + 50;
            const auto text = graphs::Picture1_MouseMove(m, X, Y, separator);
            require(!text || (Y >= 0.1F && matches(*text, readout, separator)),
                    "the readout keeps its pattern, above 0.1 only");
            require(state(m) == before, "the readout changes no calculation");
        }
        for (const std::string& t : texts) {
            require(matches(t, scientific, separator), "results read d.ddE+dd");
        }
        const bool warned = !shown.empty() && shown[0].first == calc::Severity::Warning;
        require(shown.size() == (accepted ? 0U : 1U) + warned, "one refusal, perhaps after one warning");
        require(accepted || state(m) == before, "a refused press changes nothing");
        require(!accepted || action % 4 == 1 || warned == (1 / m.f > m.R * m.C), "the warning means T > R*C");
    }
    return 0;
}
