// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/circuit.h"

#include "calc/fieldcheck.h"
#include "calc/messages.h"
#include "calc/module1.h"
#include "calc/rounding.h"
#include "calc/val.h"

#include <cmath>
#include <utility>

namespace calc {

namespace {

Refusal convert(Module1Scalars& m, const CircuitTexts& texts)
{
    const double Vp = Val(texts.Vp);
    const double f = Val(texts.f);
    const double C = Val(texts.C) * 1e-6;
    const double R = Val(texts.R);
    const auto N = roundToLong(Val(texts.N));
    if (!std::isfinite(Vp)) {
        return messages::TooLargeVp;
    }
    if (!(std::isfinite(f) && f > 0)) {
        return messages::BadF;
    }
    if (!(std::isfinite(C) && C > 0)) {
        return messages::BadC;
    }
    if (!(std::isfinite(R) && R > 0)) {
        return messages::BadR;
    }
    if (!N || *N < 1 || *N > Module1::MaxN) {
        return messages::BadN;
    }
    // The searches divide by (40*N)*f and form R*omega first: past a double,
    // every grid point would stand at one time.
    const double omega = f * TwoPi;
    if (!std::isfinite(omega) || !std::isfinite(1 / f) || !std::isfinite(static_cast<double>(40 * *N) * f) ||
        !std::isfinite(R * omega)) {
        return messages::NotFinite;
    }
    m.Vp = Vp;
    m.f = f;
    m.C = C;
    m.R = R;
    m.N = *N;
    m.omega = omega;
    m.dt = 1 / (static_cast<double>(m.N) * m.f);
    return std::nullopt;
}

void warnTimeConstant(const Module1Scalars& m, const ShowMessage& show)
{
    if (timeConstantTooSmall(m)) {
        show(Severity::Warning, messages::TimeConstant);
    }
}

// The first step that refuses the trial, if one does.
Refusal runSteps(Module1& m, Module1& trial, const CircuitTexts& texts, const ShowMessage& show,
                 const PressStep& prepare, const PressStep& check)
{
    if (Refusal refusal = convert(trial, texts)) {
        return refusal;
    }
    if (Refusal refusal = prepare(trial)) {
        return refusal;
    }
    warnTimeConstant(trial, show);
    if (!m.simulate(trial)) {
        return messages::OutOfMemory;
    }
    trial.CalcMeasurements();
    return check(trial);
}

} // namespace

bool checkCircuitFields(const CircuitTexts& texts, const ShowMessage& show)
{
    using namespace messages;
    return checkFields(
        {
            {texts.Vp, MissingVp, InvalidVp},
            {texts.f, MissingF, InvalidF},
            {texts.C, MissingC, InvalidC},
            {texts.R, MissingR, InvalidR},
            {texts.N, MissingN, InvalidN},
        },
        show);
}

bool pressCircuit(Module1& m, const CircuitTexts& texts, const ShowMessage& show, const PressStep& prepare,
                  const PressStep& check)
{
    Module1 trial = m.trial();
    if (const Refusal refusal = runSteps(m, trial, texts, show, prepare, check)) {
        // The module is whole again before the box opens: whatever repaints
        // meanwhile reads the arrays on show.
        m.discard(std::move(trial));
        show(Severity::Refusal, std::string(*refusal));
        return false;
    }
    m.commit(std::move(trial));
    return true;
}

bool timeConstantTooSmall(const CircuitParameters& m)
{
    const double RC = m.R * m.C;
    const double T = 1 / m.f;
    return T > RC;
}

} // namespace calc
