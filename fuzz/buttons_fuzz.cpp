// SPDX-License-Identifier: GPL-3.0-or-later
// Ten lines of fields, then bytes that press a button or move the pointer.

#include "calc/design.h"
#include "calc/module1.h"
#include "calc/rounding.h"
#include "calc/val.h"
#include "calc/verification.h"
#include "fuzz/require.h"
#include "graphs/graphpress.h"
#include "graphs/readout.h"
#include "tests/support/modulestate.h"

#include <regex>

namespace {

const std::regex readout(R"(t= -?\d+[.,]\d\dusec ; (id\(t\) = -?\d+[.,]\d\dmA|Vc\(t\) = -?\d+[.,]\d\dV))");

} // namespace

// Few samples, to run in milliseconds; counts beyond the largest are refused as typed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> f(1);
    std::size_t i = 0;
    for (; i < size && f.size() <= 10; ++i)
        data[i] == '\n' ? f.emplace_back() : f.back() += static_cast<char>(data[i]);
    f.resize(11);
    const auto N = calc::roundToLong(calc::Val(f[4]));
    calc::CircuitTexts circuit{f[0], f[1], f[2], f[3], N > 4096 && N <= calc::Module1::MaxN ? "4096" : f[4]};
    calc::Module1 m;
    std::vector<calc::Severity> shown;
    const auto show = [&shown](calc::Severity s, const std::string&) { shown.push_back(s); };
    for (; i < size; ++i) {
        const auto [action, separator] = std::pair(data[i] % 4, data[i] >= 0x80 ? ',' : '.');
        const calc::Module1 before = m;
        shown.clear();
        bool accepted = true;
        if (action == 0) {
            accepted = calc::Command1_Click(m, circuit, separator, show).has_value();
        } else if (action == 1) {
            const auto r = calc::Command3_Click(m, {f[6], f[7], f[8], f[9]}, separator, show);
            circuit = r ? calc::CircuitTexts{r->VpField, r->fField, r->CField, r->RField, circuit.N} : circuit;
            accepted = r.has_value();
        } else if (action == 2) {
            accepted = graphs::Command2_Click(m, circuit, f[5], show);
        } else if (i + 2 < size) {
            const float X = static_cast<float>(static_cast<std::int8_t>(data[++i])) * 1.7F + 50;
            const float Y = static_cast<float>(static_cast<std::int8_t>(data[++i])) * 0.9F + 50;
            const auto text = graphs::Picture1_MouseMove(m, X, Y, separator);
            require(!text || (Y >= 0.1F && std::regex_match(*text, readout) &&
                              text->find(separator == '.' ? ',' : '.') == std::string::npos),
                    "the readout keeps its pattern, above 0.1 only");
        }
        const bool warned = !shown.empty() && shown[0] == calc::Severity::Warning;
        require(shown.size() == (accepted ? 0U : 1U) + warned, "one refusal, perhaps after one warning");
        require(accepted || sameState(before, m), "a refused press changes nothing");
        require(!accepted || action % 2 == 1 || warned == (1 / m.f > m.R * m.C), "the warning when T > R*C");
    }
    return 0;
}
