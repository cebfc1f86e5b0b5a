// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace batch {

// --grafico FILE, from the columns GraphColumns (tables.h), in the format of
// the file's extension; FILE is the name's bytes as given. A PNG, or FILE "-"
// (a PNG on `out`), takes one row: the picture "Grafico" draws (the plot
// area's pixels at scale 1). A PDF takes every row: a printed page for each
// row computed, in order, with the text of an optional Nome column as its
// subtitle; the messages of a row go to `err` after its line, and a refused
// row gets no page. The file is written whole or not at all (see
// graphs::writeWholeFile); nothing to write leaves it as it was. The warnings
// and refusals go to `err`. Returns the exit status.
int runGraph(const std::string& file, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace batch
