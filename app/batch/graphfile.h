#pragma once

#include <QString>

#include <istream>
#include <ostream>

namespace batch {

// --grafico FILE.png: from one row with Vp, f, C, R, N, Np, the picture
// "Grafico" draws (the plot area's pixels at scale 1) as a PNG file. The
// file is written whole or not at all; a refused row leaves it as it was.
// The warning and a refusal go to `err`. Returns the exit status.
int runGraph(const QString& file, std::istream& in, std::ostream& err);

} // namespace batch
