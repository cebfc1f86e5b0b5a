// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace calc {

// A warning lets the press go on; a refusal ends it with nothing changed.
// NotANumber is a refusal too, of a field whose text is not a number as the
// fields write them, which a reader may want to explain.
enum class Severity { Warning, Refusal, NotANumber };

// Tells the user a message and returns once it has been seen: the window
// shows a modal box (OK only, no icon, the program's title), the command line
// files the text under its severity.
using ShowMessage = std::function<void(Severity severity, const std::string& text)>;

// The message of the step that refused a press; empty when the press goes on.
using Refusal = std::optional<std::string_view>;

} // namespace calc
