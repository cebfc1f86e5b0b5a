// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace calc {
struct Module1;
}

namespace graphs {

// Writes the module's graph as a one-page PDF at path: the printed page (A4,
// landscape), all vector. Like the PNG, all or nothing: a temporary file
// beside the target replaces it only once complete; on failure returns false
// and leaves whatever was at path as it was.
bool writePdf(const calc::Module1& m, const QString& path);

} // namespace graphs
