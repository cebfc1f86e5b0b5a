// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/design.h"

#include "calc/fieldcheck.h"
#include "calc/format.h"
#include "calc/messages.h"
#include "calc/module1.h"
#include "calc/val.h"

#include <cmath>

namespace calc {

namespace {

bool usable(double x)
{
    return std::isfinite(x) && x != 0;
}

bool checkDesignFields(const DesignTexts& texts, const ShowMessage& show)
{
    using namespace messages;
    return checkFields(
        {
            {texts.VoDC, MissingVoDC, InvalidVoDC},
            {texts.f, MissingDesignF, InvalidDesignF},
            {texts.IoDC, MissingIoDC, InvalidIoDC},
            {texts.Ripple, MissingRipple, InvalidRipple},
        },
        show);
}

struct Design {
    double VoDC, f, Vp, R, C, microfarads;
};

// What refuses the design; none with the design filled in.
Refusal compute(const DesignTexts& texts, Design& d)
{
    using namespace messages;
    const double VoDC = Val(texts.VoDC);
    const double f = Val(texts.f);
    const double IoDC = Val(texts.IoDC) * 0.001;
    const double Ripple = Val(texts.Ripple) * 0.001;
    if (!usable(VoDC)) {
        return BadVoDC;
    }
    if (!usable(f)) {
        return BadDesignF;
    }
    if (!usable(IoDC)) {
        return BadIoDC;
    }
    if (!usable(Ripple)) {
        return BadRipple;
    }
    const double Vp = Ripple / 2 + VoDC;
    const double R = VoDC / IoDC;
    const double C = Vp / (Ripple * f * R);
    const double microfarads = C * 1000000;
    if (!std::isfinite(Vp) || !std::isfinite(R) || !std::isfinite(microfarads)) {
        return DesignOutOfRange;
    }
    d = {VoDC, f, Vp, R, C, microfarads};
    return std::nullopt;
}

} // namespace

std::optional<DesignResults> Command3_Click(Module1Scalars& m, const DesignTexts& texts, char separator,
                                            const ShowMessage& show)
{
    if (!checkDesignFields(texts, show)) {
        return std::nullopt;
    }
    Design d{};
    if (const Refusal refusal = compute(texts, d)) {
        show(Severity::Refusal, std::string(*refusal));
        return std::nullopt;
    }
    m.VoDC = d.VoDC;
    m.f = d.f;
    m.Vp = d.Vp;
    m.R = d.R;
    m.C = d.C;
    // The fields receive the results as the boxes show them, but with a point,
    // so that their own check accepts them under any regional settings.
    return DesignResults{
        .R = formatScientific(d.R, separator),
        .Vp = formatScientific(d.Vp, separator),
        .C = formatScientific(d.microfarads, separator),
        .VpField = formatScientific(d.Vp, '.'),
        .RField = formatScientific(d.R, '.'),
        .CField = formatScientific(d.microfarads, '.'),
        .fField = formatScientific(d.f, '.'),
    };
}

} // namespace calc
