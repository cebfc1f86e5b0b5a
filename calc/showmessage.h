// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace calc {

// A warning lets the press go on; a refusal ends it with nothing changed.
enum class Severity { Warning, Refusal };

// Shows a modal message box (OK only, no icon, the program's title) and
// returns once the user has closed it. The command line files the text under
// its severity instead.
using ShowMessage = std::function<void(Severity severity, const std::string& text)>;

} // namespace calc
