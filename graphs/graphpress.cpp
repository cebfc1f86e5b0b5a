// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/graphpress.h"

#include "calc/fieldcheck.h"
#include "calc/messages.h"
#include "calc/module1.h"
#include "calc/rounding.h"
#include "calc/val.h"
#include "graphs/plotgeometry.h"

#include <cmath>

namespace graphs {

bool Command2_Click(calc::Module1& m, const calc::CircuitTexts& texts, const std::string& periods,
                    const calc::ShowMessage& show)
{
    namespace msg = calc::messages;
    if (!calc::checkCircuitFields(texts, show) ||
        !calc::checkFields({{periods, msg::MissingNp, msg::InvalidNp}}, show)) {
        return false;
    }
    const auto prepare = [&periods](calc::Module1& trial) -> calc::Refusal {
        const auto Np = calc::roundToInteger(calc::Val(periods));
        if (!Np) {
            return msg::BadNp;
        }
        if (trial.Vp == 0) {
            // Vp scales the green curve: there would be nothing to draw it with.
            return msg::ZeroVp;
        }
        trial.Np = *Np;
        return std::nullopt;
    };
    // The curves are scaled by FullScale/IdPicco, FullScale/Vp and FullScale/Vomax;
    // the printed page also states the ripple and VoDC.
    const auto check = [](const calc::Module1& trial) -> calc::Refusal {
        const bool finite = std::isfinite(trial.IdPicco * FullScale) && std::isfinite(trial.Vomax * FullScale) &&
                            std::isfinite(trial.Vp * FullScale);
        return finite ? calc::Refusal() : msg::NotFinite;
    };
    return calc::pressCircuit(m, texts, show, prepare, check);
}

} // namespace graphs
