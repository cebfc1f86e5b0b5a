#pragma once

#include "app/batch/csvreader.h"

#include <ostream>

namespace batch {

// Writes one record as a line of RFC 4180 CSV ending in LF, cells separated
// by `separator`; a cell holding the separator, a quote or a line break is
// quoted.
void writeCsv(std::ostream& out, const Record& cells, char separator);

} // namespace batch
