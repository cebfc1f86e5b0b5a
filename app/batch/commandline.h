// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace batch {

// Whether the arguments after the program's name ask for the window: none,
// or only options of Qt's own (-style fusion, --sync, -platform=xcb …),
// which the window's application takes as Qt documents them.
bool asksForTheWindow(const std::vector<std::string>& arguments);

// The program started with arguments: one of --verifica, --progetto,
// --campioni, --grafico FILE.png or --help, CSV on `in`, results on `out`,
// messages on `err`; no window and no display. The first argument is the
// program's name. The arguments are bytes, as the system passes them: the
// FILE of --grafico keeps them as they are, any other is read as UTF-8.
// Returns the exit status.
int runCommandLine(const std::vector<std::string>& bytes, std::istream& in, std::ostream& out, std::ostream& err);

// The same on the process's own arguments and standard streams. For
// --grafico it starts Qt's GUI application offscreen, which the PDF's fonts
// need, and keeps Qt's own messages (English, for developers) off standard
// error unless QT_LOGGING_RULES asks for them; the other modes start faster
// without it.
int runCommandLine(int argc, char* argv[]);

} // namespace batch
