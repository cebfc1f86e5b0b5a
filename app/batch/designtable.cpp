#include "app/batch/designtable.h"

#include "app/batch/table.h"
#include "calc/design.h"
#include "calc/module1.h"

namespace batch {

int runDesign(std::istream& in, std::ostream& out, std::ostream& err)
{
    calc::Module1Scalars module;
    return runTable(in, out, err, {"VoDC", "f", "IoDC", "Ripple"}, {"R [ohm]", "Vp [V]", "C [uF]", "Errore"},
                    [&module](const Record& v, Record& appended) {
                        std::string refusal;
                        const calc::ShowMessage show = [&refusal](calc::Severity, const std::string& text) {
                            refusal = text;
                        };
                        const auto results = calc::Command3_Click(module, {v[0], v[1], v[2], v[3]}, '.', show);
                        if (results) {
                            appended = {results->R, results->Vp, results->C, refusal};
                        } else {
                            appended = {"", "", "", refusal};
                        }
                        return results.has_value();
                    });
}

} // namespace batch
