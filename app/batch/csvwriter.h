// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/batch/csvreader.h"

#include <ostream>
#include <string_view>

namespace batch {

// Writes one record as a line of RFC 4180 CSV ending in LF, cells separated
// by `separator`; a cell holding the separator, a quote, a line break or
// one of `alsoQuoted` is quoted.
void writeCsv(std::ostream& out, const Record& cells, char separator, std::string_view alsoQuoted = {});

} // namespace batch
