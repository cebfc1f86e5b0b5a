// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/designtable.h"

#include "app/batch/table.h"
#include "calc/module1.h"

namespace batch {

int runDesign(std::istream& in, std::ostream& out, std::ostream& err)
{
    calc::Module1Scalars module;
    return runTable<calc::DesignTexts, calc::DesignResults>(
        in, out, err, DesignColumns, DesignResultColumns,
        [&module](const calc::DesignTexts& texts, char separator, const calc::ShowMessage& show) {
            return calc::Command3_Click(module, texts, separator, show);
        });
}

} // namespace batch
