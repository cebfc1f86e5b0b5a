// Arbitrary bytes as a session of one student: the first ten lines are the
// texts of the fields Vp, f, C, R, N, Np, then VoDC, f, IoDC, Ripple; every byte after
// them presses a button or moves the pointer, in that order, on one Module1.
// A design press writes its results into the fields, as the window does.
//
// After every press: a refused field shows exactly one refusal (at most after
// the time-constant warning) and leaves the module as it was; an accepted
// press shows only well-formed, finite texts, and the warning only when the
// period is longer than R*C. The readout gives its pattern or nothing.

#include "calc/design.h"
#include "calc/messages.h"
#include "calc/module1.h"
#include "calc/rounding.h"
#include "calc/val.h"
#include "calc/verification.h"
#include "graphs/graphpress.h"
#include "graphs/readout.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

namespace msg = calc::messages;

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Samples per period are held small so that one input runs in milliseconds;
// the refusals above the largest count still run as typed.
std::string capped(const std::string& text)
{
    const auto N = calc::roundToLong(calc::Val(text));
    if (N && *N > 4096 && *N <= calc::Module1::MaxN) {
        return std::to_string(1 + *N % 4096);
    }
    return text;
}

bool isRefusal(const std::string& text)
{
    for (const char* m : {msg::MissingVp,   msg::InvalidVp,   msg::MissingF,       msg::InvalidF,
                          msg::MissingC,    msg::InvalidC,    msg::MissingR,       msg::InvalidR,
                          msg::MissingN,    msg::InvalidN,    msg::MissingNp,      msg::InvalidNp,
                          msg::MissingVoDC, msg::InvalidVoDC, msg::MissingDesignF, msg::InvalidDesignF,
                          msg::MissingIoDC, msg::InvalidIoDC, msg::MissingRipple,  msg::InvalidRipple,
                          msg::TooLargeVp,  msg::ZeroVp,      msg::BadF,           msg::BadC,
                          msg::BadR,        msg::BadN,        msg::BadNp,          msg::BadVoDC,
                          msg::BadDesignF,  msg::BadIoDC,     msg::BadRipple,      msg::DesignOutOfRange,
                          msg::NotFinite,   msg::OutOfMemory}) {
        if (text == m) {
            return true;
        }
    }
    return false;
}

bool scientific(const std::string& s, char separator)
{
    static const std::regex point(R"(-?[0-9]\.[0-9]{2}E[+-][0-9]{2,3})");
    static const std::regex comma(R"(-?[0-9],[0-9]{2}E[+-][0-9]{2,3})");
    return std::regex_match(s, separator == ',' ? comma : point) && s.rfind("-0.00E", 0) != 0 &&
           s.rfind("-0,00E", 0) != 0;
}

bool readout(const std::string& s, char separator)
{
    static const std::regex point(
        R"(t= -?[0-9]+\.[0-9]{2}usec ; (id\(t\) = -?[0-9]+\.[0-9]{2}mA|Vc\(t\) = -?[0-9]+\.[0-9]{2}V))");
    static const std::regex comma(
        R"(t= -?[0-9]+,[0-9]{2}usec ; (id\(t\) = -?[0-9]+,[0-9]{2}mA|Vc\(t\) = -?[0-9]+,[0-9]{2}V))");
    return std::regex_match(s, separator == ',' ? comma : point) && s.find("-0.00") == std::string::npos &&
           s.find("-0,00") == std::string::npos;
}

// What a refused press must leave as it was.
auto observable(const calc::Module1& m)
{
    return std::make_tuple(m.Vp, m.f, m.C, m.R, m.N, m.omega, m.dt, m.Np, m.t1, m.t2, m.IdPicco, m.Vomax, m.Vomin,
                           m.VoDC, m.IoDC, m.Ripple, m.generation, m.Vc.size());
}

void checkPress(bool accepted, const std::vector<std::string>& shown, const calc::Module1& m,
                const decltype(observable(m))& before)
{
    if (!accepted) {
        require(!shown.empty() && shown.size() <= 2, "a refusal shows one message, maybe after the warning");
        require(isRefusal(shown.back()), "the last message of a refusal names the field");
        require(shown.size() == 1 || shown.front() == msg::TimeConstant, "only the warning comes first");
        require(observable(m) == before, "a refused press leaves the module as it was");
        return;
    }
    const bool warned = !shown.empty();
    require(shown.size() <= 1 && (!warned || shown[0] == msg::TimeConstant), "an accepted press only warns");
    require(warned == (1 / m.f > m.R * m.C), "the warning comes exactly when the period exceeds R*C");
    require(m.Vc.size() == static_cast<std::size_t>(m.N) + 2 && m.Vc[m.N + 1] == 0, "arrays hold N+2 samples");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> fields;
    while (fields.size() < 10) {
        const auto end = input.find('\n');
        fields.emplace_back(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    calc::CircuitTexts circuit{fields[0], fields[1], fields[2], fields[3], capped(fields[4])};
    const std::string& periods = fields[5];
    const calc::DesignTexts design{fields[6], fields[7], fields[8], fields[9]};

    calc::Module1 m;
    std::vector<std::string> shown;
    const calc::ShowMessage show = [&shown](calc::Severity, const std::string& text) { shown.push_back(text); };
    for (std::size_t i = 0; i < input.size(); ++i) {
        const auto action = static_cast<std::uint8_t>(input[i]);
        const char separator = action & 0x80 ? ',' : '.';
        const auto before = observable(m);
        shown.clear();
        switch (action % 4) {
        case 0: {
            const auto captions = calc::Command1_Click(m, circuit, separator, show);
            checkPress(captions.has_value(), shown, m, before);
            if (captions) {
                for (const std::string* c : {&captions->Ripple, &captions->IdPicco, &captions->VoDC}) {
                    require(scientific(*c, separator), "result boxes read d.ddE+dd");
                }
            }
            break;
        }
        case 1: {
            const auto out = calc::Command3_Click(m, design, separator, show);
            if (!out) {
                require(shown.size() == 1 && isRefusal(shown[0]), "a refused design shows one message");
                require(observable(m) == before, "a refused design leaves the module as it was");
                break;
            }
            require(shown.empty(), "a design shows no message");
            for (const std::string* c : {&out->R, &out->Vp, &out->C}) {
                require(scientific(*c, separator), "design boxes read d.ddE+dd");
            }
            for (const std::string* c : {&out->VpField, &out->fField, &out->CField, &out->RField}) {
                require(scientific(*c, '.'), "designed fields read d.ddE+dd with a point");
            }
            circuit = {out->VpField, out->fField, out->CField, out->RField, circuit.N};
            break;
        }
        case 2: {
            const bool accepted = graphs::Command2_Click(m, circuit, periods, show);
            checkPress(accepted, shown, m, before);
            if (accepted) {
                require(std::isfinite(m.IdPicco) && std::isfinite(m.Vomax), "the graph has finite scales");
            }
            break;
        }
        default: {
            if (i + 2 >= input.size()) {
                break;
            }
            const float X = static_cast<float>(static_cast<std::int8_t>(input[++i])) * 1.7F + 50;
            const float Y = static_cast<float>(static_cast<std::int8_t>(input[++i])) * 0.9F + 50;
            const auto text = graphs::Picture1_MouseMove(m, X, Y, separator);
            require(!text || Y >= 0.1F, "below 0.1 the readout is left as it was");
            require(!text || readout(*text, separator), "the readout keeps its pattern");
            require(observable(m) == before, "the readout changes no calculation");
            break;
        }
        }
    }
    return 0;
}
