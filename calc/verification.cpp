#include "calc/verification.h"

#include "calc/format.h"
#include "calc/messages.h"
#include "calc/module1.h"

#include <cmath>
#include <utility>

namespace calc {

std::optional<VerificationResults> Command1_Click(Module1& m, const CircuitTexts& texts, char separator,
                                                  const ShowMessage& show)
{
    if (!checkCircuitFields(m, texts, show)) {
        return std::nullopt;
    }
    Module1 trial = m.trial();
    const auto refuse = [&m, &trial] {
        m.discard(std::move(trial));
        return std::nullopt;
    };
    if (!convertCircuit(trial, texts, show)) {
        return refuse();
    }
    trial.dt = 1 / (static_cast<double>(trial.N) * trial.f);
    warnTimeConstant(trial, show);
    if (!simulate(m, trial, show)) {
        return refuse();
    }
    trial.CalcIdPicco();
    trial.CalcVomin();
    trial.CalcVomax();
    trial.CalcVoDC();

    const double ripple = (trial.Vomax - trial.Vomin) * 1000;
    const double peak = trial.IdPicco * 1000;
    if (!std::isfinite(ripple) || !std::isfinite(peak) || !std::isfinite(trial.VoDC)) {
        show(Severity::Refusal, messages::NotFinite);
        return refuse();
    }
    m.commit(std::move(trial));
    return VerificationResults{
        formatScientific(ripple, separator),
        formatScientific(peak, separator),
        formatScientific(m.VoDC, separator),
    };
}

} // namespace calc
