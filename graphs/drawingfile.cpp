// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/drawingfile.h"

#include "graphs/messages.h"
#include "graphs/wholefile.h"

namespace graphs {

std::optional<std::string> saveDrawing(const std::string& path, std::string_view bytes)
{
    const std::optional<std::string> failure = bytes.empty() ? NotDrawn : writeWholeFile(path, bytes);
    if (failure) {
        return imageNotSaved(path, *failure);
    }
    return std::nullopt;
}

} // namespace graphs
