#include "graphs/readout.h"

#include "calc/format.h"
#include "calc/module1.h"

#include <cmath>

namespace graphs {

// Np, f and the arrays are read as the module holds them now, not as they
// were drawn: after a later verification with another f the same position
// reads the new time over the unchanged picture, as the program always has.
std::optional<std::string> Picture1_MouseMove(calc::Module1& m, float X, float Y, char separator)
{
    const bool current = Y >= 50;
    if (!current && !(Y >= 0.1F)) {
        return std::nullopt;
    }
    const double t = static_cast<double>(X) / 100 * m.Np * 1000000 / m.f;
    double value = 0;
    if (current) {
        m.CalcIdPicco();
        value = (static_cast<double>(Y) - 50) * 1000 * m.IdPicco / 48;
    } else {
        m.CalcVomax();
        value = (static_cast<double>(Y) - 0.1) * m.Vomax / 48;
    }
    if (!std::isfinite(t) || !std::isfinite(value)) {
        return std::nullopt;
    }
    return "t= " + calc::formatFixed(t, separator) + "usec" + " ; " + (current ? "id(t) = " : "Vc(t) = ") +
           calc::formatFixed(value, separator) + (current ? "mA" : "V");
}

} // namespace graphs
