// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace graphs {

// Writes a drawing's encoded bytes into the file at path, whole or not at all
// (see writeWholeFile), for the window and the command line alike. No bytes
// are a drawing that could not be made. Returns what the user reads when the
// file was not written, naming it as given; nothing when it was.
std::optional<std::string> saveDrawing(const std::string& path, std::string_view bytes);

} // namespace graphs
