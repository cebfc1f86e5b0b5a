// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>
#include <QString>

#include <istream>
#include <ostream>
#include <span>
#include <string>

namespace calc {
struct Module1;
}

namespace batch {

// A format --grafico writes, chosen by the file name's extension.
struct GraphFormat {
    const char* extension; // lower case, without the point
    bool (*write)(const calc::Module1& m, QIODevice& device);
};

std::span<const GraphFormat> graphFormats();

// The extensions, as a message names them: ".png" or ".png e .pdf".
std::string graphFormatNames();

// --grafico FILE: from one row with the columns GraphColumns (tables.h), the
// picture "Grafico" draws (the plot area's pixels at scale 1) in the format of
// the file's extension, or as a PNG on `out` when FILE is "-". The file is
// written whole or not at all; a refused row leaves it as it was. The
// warnings and a refusal go to `err`. Returns the exit status.
int runGraph(const QString& file, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace batch
