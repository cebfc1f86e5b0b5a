#include "app/batch/verificationtable.h"

#include "app/batch/table.h"
#include "calc/module1.h"
#include "calc/verification.h"

namespace batch {

int runVerification(std::istream& in, std::ostream& out, std::ostream& err)
{
    // One module for every row: each press sets all it reads, and the arrays
    // keep their buffers from row to row.
    calc::Module1 module;
    return runTable(in, out, err, {"Vp", "f", "C", "R", "N"},
                    {"Ripple [mV]", "VoDC [V]", "Id picco [mA]", "Avviso", "Errore"},
                    [&module](const Record& v, Record& appended) {
                        std::string warning;
                        std::string refusal;
                        const calc::ShowMessage show = [&](calc::Severity severity, const std::string& text) {
                            (severity == calc::Severity::Warning ? warning : refusal) = text;
                        };
                        const auto results = calc::Command1_Click(module, {v[0], v[1], v[2], v[3], v[4]}, '.', show);
                        if (results) {
                            appended = {results->Ripple, results->VoDC, results->IdPicco, warning, refusal};
                        } else {
                            appended = {"", "", "", warning, refusal};
                        }
                        return results.has_value();
                    });
}

} // namespace batch
