// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <istream>
#include <ostream>

namespace batch {

// The program started with arguments: one of --verifica, --progetto,
// --campioni, --grafico FILE.png or --help, CSV on `in`, results on `out`,
// messages on `err`; no window and no display. The first argument is the
// program's name. Returns the exit status.
int runCommandLine(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err);

// The same on the process's own arguments and standard streams.
int runCommandLine(int argc, char* argv[]);

} // namespace batch
