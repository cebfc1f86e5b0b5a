// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace batch {

// The extensions, as a message names them: ".png" or ".png e .pdf".
std::string graphFormatNames();

// --grafico FILE: from one row with the columns GraphColumns (tables.h), the
// picture "Grafico" draws (the plot area's pixels at scale 1) in the format of
// the file's extension, or as a PNG on `out` when FILE is "-". FILE is the
// name's bytes as given. The file is written whole or not at all (see
// graphs::writeWholeFile); a refused row leaves it as it was. The warnings and
// a refusal go to `err`. Returns the exit status.
int runGraph(const std::string& file, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace batch
