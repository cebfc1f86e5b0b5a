// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/pagetexts.h"

#include "calc/module1.h"
#include "calc/verification.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace graphs {

namespace {

// Digits a circuit's values keep, and the scales'.
constexpr int ValueDigits = 6;
constexpr int ScaleDigits = 3;

std::string withUnit(const char* name, double x, const char* unit, char separator)
{
    return std::string(name) + " = " + readableNumber(x, ValueDigits, separator) + unit;
}

std::string generalDigits(double x, int precision)
{
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x == 0 ? 0.0 : x,
                                   std::chars_format::general, precision)
                         .ptr;
    return {buffer.data(), end};
}

} // namespace

std::string readableNumber(double x, int digits, char separator)
{
    const bool whole = std::isfinite(x) && std::abs(x) >= 1;
    int precision = digits;
    if (whole) {
        precision = std::clamp(static_cast<int>(std::floor(std::log10(std::abs(x)))) + 1, digits, 17);
    }
    std::string s = generalDigits(x, precision);
    // Rounding may carry into one more whole digit (99999.5 to 100000).
    if (whole && std::abs(x) < 1e17 && s.find('e') != std::string::npos) {
        s = generalDigits(x, precision + 1);
    }
    std::replace(s.begin(), s.end(), '.', separator);
    return s;
}

std::string circuitLine(const calc::Module1Scalars& m, char separator)
{
    const char* gap = "   ";
    return withUnit("Vp", m.Vp, " V", separator) + gap + withUnit("f", m.f, " Hz", separator) + gap +
           withUnit("C", m.C * 1e6, " µF", separator) + gap + withUnit("R", m.R, " Ω", separator) + gap +
           "N = " + std::to_string(m.N) + gap + "Np = " + std::to_string(m.Np);
}

std::string resultsLine(const calc::Module1Scalars& m, char separator)
{
    const calc::VerificationResults r = calc::formatResults(m, separator);
    return "Ripple = " + r.Ripple + " mV   VoDC = " + r.VoDC + " V   Id picco = " + r.IdPicco + " mA";
}

std::vector<TimeLabel> timeLabels(const calc::Module1Scalars& m, int step, char separator)
{
    std::vector<TimeLabel> labels;
    for (int p = 0; p <= m.Np; p += step) {
        labels.push_back({p, readableNumber(p * 1000 / m.f, ScaleDigits, separator)});
    }
    return labels;
}

int labelStep(double width, double needed)
{
    for (int decade = 1;; decade *= 10) {
        for (const int factor : {1, 2, 5}) {
            if (width * factor * decade >= needed || decade > 10000) {
                return factor * decade;
            }
        }
    }
}

std::string currentFullScale(const calc::Module1Scalars& m, char separator)
{
    return readableNumber(m.IdPicco * 1000, ScaleDigits, separator);
}

std::string loadFullScale(const calc::Module1Scalars& m, char separator)
{
    return readableNumber(m.Vomax, ScaleDigits, separator);
}

std::string halfWaveFullScale(const calc::Module1Scalars& m, char separator)
{
    return readableNumber(m.Vp, ScaleDigits, separator);
}

} // namespace graphs
