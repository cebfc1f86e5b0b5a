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

std::optional<DesignOutput> Command3_Click(Module1Scalars& m, const DesignTexts& texts, char separator,
                                           const ShowMessage& show)
{
    using namespace messages;
    if (!checkFields(m,
                     {
                         {texts.Text6, MissingVoDC, InvalidVoDC},
                         {texts.Text8, MissingDesignF, InvalidDesignF},
                         {texts.Text9, MissingIoDC, InvalidIoDC},
                         {texts.Text10, MissingRipple, InvalidRipple},
                     },
                     show)) {
        return std::nullopt;
    }
    const auto refuse = [&show](const char* message) {
        show(message);
        return std::nullopt;
    };
    const double VoDC = Val(texts.Text6);
    const double f = Val(texts.Text8);
    const double IoDC = Val(texts.Text9) * 0.001;
    const double Ripple = Val(texts.Text10) * 0.001;
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
    DesignOutput out;
    out.Label29 = formatScientific(R, separator);
    out.Label35 = formatScientific(Vp, separator);
    out.Label31 = formatScientific(C, separator);
    out.Text1 = forField(Vp, m.ResultText);
    out.Text4 = forField(R, m.ResultText);
    out.Text3 = forField(C, m.ResultText);
    out.Text2 = forField(f, m.ResultText);
    return out;
}

} // namespace calc
