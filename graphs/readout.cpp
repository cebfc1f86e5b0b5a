// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/readout.h"

#include "calc/format.h"
#include "calc/module1.h"
#include "graphs/plotgeometry.h"

#include <cmath>

namespace graphs {

// Np, f, IdPicco and Vomax are read as the module holds them now, not as they
// were drawn: after a later verification with another f the same position
// reads the new time over the unchanged picture. Every press that replaces
// the arrays also takes both peaks from them.
std::optional<std::string> Picture1_MouseMove(const calc::Module1& m, float X, float Y, char separator)
{
    const bool current = Y >= CurrentBaseline;
    if (!current && !(Y >= static_cast<float>(VoltageBaseline))) {
        return std::nullopt;
    }
    const double t = static_cast<double>(X) / 100 * m.Np * 1000000 / m.f;
    const double value = current ? (static_cast<double>(Y) - CurrentBaseline) * 1000 * m.IdPicco / FullScale
                                 : (static_cast<double>(Y) - VoltageBaseline) * m.Vomax / FullScale;
    if (!std::isfinite(t) || !std::isfinite(value)) {
        return std::nullopt;
    }
    return "t= " + calc::formatFixed(t, separator) + "usec" + " ; " + (current ? "id(t) = " : "Vc(t) = ") +
           calc::formatFixed(value, separator) + (current ? "mA" : "V");
}

} // namespace graphs
