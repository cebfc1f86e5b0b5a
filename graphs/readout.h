// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace calc {
struct Module1;
}

namespace graphs {

// The tooltip text for a pointer at (X, Y) in the plot's user scale, read from
// the module as it is now: "t= 20000.00usec ; id(t) = 30.36mA" above y = 50,
// "... Vc(t) = 10.00V" from 0.1 up to 50; empty below 0.1, where the text is
// left as it was (and also where the values overflow, which a tiny f can do).
std::optional<std::string> Picture1_MouseMove(const calc::Module1& m, float X, float Y, char separator);

} // namespace graphs
