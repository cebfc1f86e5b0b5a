// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/verificationtable.h"

#include "app/batch/table.h"
#include "calc/module1.h"

namespace batch {

int runVerification(std::istream& in, std::ostream& out, std::ostream& err)
{
    // One module for every row: each press sets all it reads, and the arrays
    // keep their buffers from row to row.
    calc::Module1 module;
    return runTable<CircuitRow, calc::VerificationResults>(
        in, out, err, CircuitColumns, VerificationResultColumns,
        [&module](const CircuitRow& texts, char separator, const calc::ShowMessage& show) {
            return calc::Command1_Click(module, texts, separator, show);
        });
}

} // namespace batch
