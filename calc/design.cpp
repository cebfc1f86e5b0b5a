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

// A field receives the result as the boxes show it, but with a point, so that
// the field's own check accepts it under any regional settings.
std::string forField(double x, std::string& resultText)
{
    resultText = formatScientific(x, '.');
    return resultText;
}

} // namespace

std::optional<DesignResults> Command3_Click(Module1Scalars& m, const DesignTexts& texts, char separator,
                                            const ShowMessage& show)
{
    using namespace messages;
    if (!checkFields(m,
                     {
                         {texts.VoDC, MissingVoDC, InvalidVoDC},
                         {texts.f, MissingDesignF, InvalidDesignF},
                         {texts.IoDC, MissingIoDC, InvalidIoDC},
                         {texts.Ripple, MissingRipple, InvalidRipple},
                     },
                     show)) {
        return std::nullopt;
    }
    const auto refuse = [&show](const char* message) {
        show(Severity::Refusal, message);
        return std::nullopt;
    };
    const double VoDC = Val(texts.VoDC);
    const double f = Val(texts.f);
    const double IoDC = Val(texts.IoDC) * 0.001;
    const double Ripple = Val(texts.Ripple) * 0.001;
    if (!usable(VoDC)) {
        return refuse(BadVoDC);
    }
    if (!usable(f)) {
        return refuse(BadDesignF);
    }
    if (!usable(IoDC)) {
        return refuse(BadIoDC);
    }
    if (!usable(Ripple)) {
        return refuse(BadRipple);
    }
    const double Vp = Ripple / 2 + VoDC;
    const double R = VoDC / IoDC;
    const double C = Vp / (Ripple * f * R) * 1000000;
    if (!std::isfinite(Vp) || !std::isfinite(R) || !std::isfinite(C)) {
        return refuse(DesignOutOfRange);
    }

    m.VoDC = VoDC;
    m.f = f;
    m.IoDC = IoDC;
    m.Ripple = Ripple;
    m.Vp = Vp;
    m.R = R;
    m.C = C;
    DesignResults out;
    out.R = formatScientific(R, separator);
    out.Vp = formatScientific(Vp, separator);
    out.C = formatScientific(C, separator);
    out.VpField = forField(Vp, m.ResultText);
    out.RField = forField(R, m.ResultText);
    out.CField = forField(C, m.ResultText);
    out.fField = forField(f, m.ResultText);
    return out;
}

} // namespace calc
