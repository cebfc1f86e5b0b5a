#pragma once

#include <functional>
#include <string>

namespace calc {

// Shows a modal message box (OK only, no icon, the program's title) and
// returns once the user has closed it.
using ShowMessage = std::function<void(const std::string& text)>;

} // namespace calc
