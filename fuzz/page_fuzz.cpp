// SPDX-License-Identifier: GPL-3.0-or-later
// Six lines of fields (Vp, f, C, R, N, Np) pressed as "Grafico", then bytes that pick the scales' spacing: the printed
// page's numbers read back as what they stand for, and its time labels step evenly over the periods.

#include "calc/module1.h"
#include "calc/rounding.h"
#include "calc/val.h"
#include "fuzz/require.h"
#include "graphs/graphpress.h"
#include "graphs/pagetexts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void readsBack(double x, int digits, char separator)
{
    std::string text = graphs::readableNumber(x, digits, separator);
    require(separator == '.' || text.find('.') == std::string::npos, "the separator asked for");
    std::replace(text.begin(), text.end(), separator, '.');
    const double read = std::strtod(text.c_str(), nullptr);
    require(!std::isfinite(x) || std::abs(read - x) <= std::abs(x) * 5 * std::pow(10.0, -digits),
            "a number within its digits");
    require(!(std::abs(x) >= 1 && std::abs(x) < 1e17) || text.find('e') == std::string::npos, "no exponent");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> f(1);
    std::size_t i = 0;
    for (; i < size && f.size() <= 6; ++i) {
        if (data[i] == '\n') {
            f.emplace_back();
        } else {
            f.back().push_back(static_cast<char>(data[i]));
        }
    }
    f.resize(7);
    const auto N = calc::roundToLong(calc::Val(f[4]));
    calc::Module1 m;
    const calc::CircuitTexts circuit{f[0], f[1], f[2], f[3], N > 4096 && N <= calc::Module1::MaxN ? "4096" : f[4]};
    if (!graphs::Command2_Click(m, circuit, f[5], [](calc::Severity, const std::string&) {})) {
        return 0;
    }
    const char separator = size > 0 && data[size - 1] >= 0x80 ? ',' : '.';
    for (const double x : {m.Vp, m.f, m.C * 1e6, m.R, m.IdPicco * 1000, m.Vomax, 1000 / m.f}) {
        readsBack(x, 3, separator);
        readsBack(x, 6, separator);
    }
    const int step = graphs::labelStep(i < size ? (data[i] + 1) / 16.0 : 1, i + 1 < size ? data[i + 1] * 8.0 : 1);
    if (m.Np >= 0 && m.Np <= 4096) {
        const auto labels = graphs::timeLabels(m, step, separator);
        require(labels.size() == static_cast<std::size_t>(m.Np / step + 1), "a label every step");
        for (std::size_t k = 0; k < labels.size(); ++k) {
            require(labels[k].period == static_cast<int>(k) * step, "evenly");
        }
    }
    return 0;
}
