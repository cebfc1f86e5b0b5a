// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/verification.h"

#include "calc/format.h"
#include "calc/messages.h"
#include "calc/module1.h"

#include <cmath>

namespace calc {

VerificationResults formatResults(const Module1Scalars& m, char separator)
{
    return VerificationResults{
        formatScientific((m.Vomax - m.Vomin) * 1000, separator),
        formatScientific(m.IdPicco * 1000, separator),
        formatScientific(m.VoDC, separator),
    };
}

std::optional<VerificationResults> Command1_Click(Module1& m, const CircuitTexts& texts, char separator,
                                                  const ShowMessage& show)
{
    if (!checkCircuitFields(texts, show)) {
        return std::nullopt;
    }
    const auto nothingToPrepare = [](Module1&) -> Refusal { return std::nullopt; };
    // The three result boxes.
    const auto check = [](const Module1& trial) -> Refusal {
        const bool finite = std::isfinite((trial.Vomax - trial.Vomin) * 1000) && std::isfinite(trial.IdPicco * 1000) &&
                            std::isfinite(trial.VoDC);
        return finite ? Refusal() : messages::NotFinite;
    };
    if (!pressCircuit(m, texts, show, nothingToPrepare, check)) {
        return std::nullopt;
    }
    return formatResults(m, separator);
}

} // namespace calc
