#include "calc/circuit.h"

#include "calc/fieldcheck.h"
#include "calc/messages.h"
#include "calc/module1.h"
#include "calc/rounding.h"
#include "calc/val.h"

#include <cmath>

namespace calc {

bool checkCircuitFields(Module1Scalars& m, const CircuitTexts& texts, const ShowMessage& show)
{
    using namespace messages;
    return checkFields(m,
                       {
                           {texts.Vp, MissingVp, InvalidVp},
                           {texts.f, MissingF, InvalidF},
                           {texts.C, MissingC, InvalidC},
                           {texts.R, MissingR, InvalidR},
                           {texts.N, MissingN, InvalidN},
                       },
                       show);
}

bool convertCircuit(Module1Scalars& m, const CircuitTexts& texts, const ShowMessage& show)
{
    const auto refuse = [&show](const char* message) {
        show(Severity::Refusal, message);
        return false;
    };
    const double Vp = Val(texts.Vp);
    const double f = Val(texts.f);
    const double C = Val(texts.C) * 1e-6;
    const double R = Val(texts.R);
    const auto N = roundToLong(Val(texts.N));
    if (!std::isfinite(Vp)) {
        return refuse(messages::TooLargeVp);
    }
    if (!(std::isfinite(f) && f > 0)) {
        return refuse(messages::BadF);
    }
    if (!(std::isfinite(C) && C > 0)) {
        return refuse(messages::BadC);
    }
    if (!(std::isfinite(R) && R > 0)) {
        return refuse(messages::BadR);
    }
    if (!N || *N < 1 || *N > Module1::MaxN) {
        return refuse(messages::BadN);
    }
    // The searches divide by (40*N)*f and form R*omega first: past a double,
    // every grid point would stand at one time.
    const double omega = f * TwoPi;
    if (!std::isfinite(omega) || !std::isfinite(1 / f) || !std::isfinite(static_cast<double>(40 * *N) * f) ||
        !std::isfinite(R * omega)) {
        return refuse(messages::NotFinite);
    }
    m.Vp = Vp;
    m.f = f;
    m.C = C;
    m.R = R;
    m.N = *N;
    m.omega = omega;
    return true;
}

void warnTimeConstant(const Module1Scalars& m, const ShowMessage& show)
{
    const double RC = m.R * m.C;
    const double T = 1 / m.f;
    if (T > RC) {
        show(Severity::Warning, messages::TimeConstant);
    }
}

bool simulate(Module1& m, Module1& trial, const ShowMessage& show)
{
    if (!m.simulate(trial)) {
        show(Severity::Refusal, messages::OutOfMemory);
        return false;
    }
    return true;
}

} // namespace calc
