// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <string>
#include <tuple>

// The exit status, standard output and standard error of one run.
using Ran = std::tuple<int, std::string, std::string>;

// The command line on `in` with the arguments after the program's name: in
// the test's own process, or, given `child` to run first in the child, as a
// shell starts the real program without a display.
Ran run(const QStringList& args, const std::string& in, void (*child)() = nullptr);
