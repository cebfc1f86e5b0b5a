#pragma once

#include "app/batch/csvreader.h"

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace batch {

// One data row: the cells of the required columns, in the order asked, in;
// the appended cells out. False when the row was refused.
using RowRule = std::function<bool(const Record& fields, Record& appended)>;

// The loop of --verifica and --progetto: CSV in, each row as read followed by
// what its rule appends out, one row at a time. A data row whose cell count
// differs from the header's cannot be read: it ends the run. Returns the exit
// status; messages of unreadable input go to `err`.
int runTable(std::istream& in, std::ostream& out, std::ostream& err, const std::vector<std::string>& required,
             const std::vector<std::string>& appendedNames, const RowRule& rule);

} // namespace batch
