#include "graphs/graphpress.h"

#include "calc/fieldcheck.h"
#include "calc/messages.h"
#include "calc/module1.h"
#include "calc/rounding.h"
#include "calc/val.h"
#include "graphs/plotgeometry.h"

#include <cmath>
#include <utility>

namespace graphs {

bool Command2_Click(calc::Module1& m, const calc::CircuitTexts& texts, const std::string& periods,
                    const calc::ShowMessage& show)
{
    namespace msg = calc::messages;
    if (!calc::checkCircuitFields(m, texts, show) ||
        !calc::checkFields(m, {{periods, msg::MissingNp, msg::InvalidNp}}, show)) {
        return false;
    }
    calc::Module1 trial = m.trial();
    const auto refuse = [&](const char* message) {
        if (message != nullptr) {
            show(calc::Severity::Refusal, message);
        }
        m.discard(std::move(trial));
        return false;
    };
    if (!calc::convertCircuit(trial, texts, show)) {
        return refuse(nullptr);
    }
    const auto Np = calc::roundToInteger(calc::Val(periods));
    if (!Np) {
        return refuse(msg::BadNp);
    }
    if (trial.Vp == 0) {
        // Vp scales the green curve: there would be nothing to draw it with.
        return refuse(msg::ZeroVp);
    }
    trial.Np = *Np;
    calc::warnTimeConstant(trial, show);
    if (!calc::simulate(m, trial, show)) {
        return refuse(nullptr);
    }
    trial.CalcIdPicco();
    trial.CalcVomax();
    // The curves are scaled by FullScale/IdPicco, FullScale/Vp and FullScale/Vomax.
    if (!std::isfinite(trial.IdPicco * FullScale) || !std::isfinite(trial.Vomax * FullScale) ||
        !std::isfinite(trial.Vp * FullScale)) {
        return refuse(msg::NotFinite);
    }
    m.commit(std::move(trial));
    return true;
}

} // namespace graphs
