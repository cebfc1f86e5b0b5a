// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/partialread.h"

#include "app/batch/messages.h"
#include "app/batch/sheetnumbers.h"
#include "calc/checknumber.h"
#include "calc/rounding.h"
#include "calc/val.h"

#include <algorithm>

namespace batch {

std::optional<std::string> readNotice(std::string_view column, std::string_view cell, const Dialect& dialect,
                                      bool whole)
{
    const std::string text = windowText(cell, dialect.decimal);
    // A cell the field refuses is not read at all.
    if (!calc::CheckNumber(text, "", "", [](calc::Severity, const std::string&) {})) {
        return std::nullopt;
    }
    const auto [value, length] = calc::ValWithLength(text);
    // The window's text drops only the points that group thousands.
    const bool grouped = dialect.separator == '\t' && text.size() < cell.size();
    if (whole) {
        const auto rounded = calc::roundToLong(value);
        if (!rounded || (!grouped && length == text.size() && *rounded == value)) {
            return std::nullopt;
        }
        return messages::readAs(column, std::to_string(*rounded), cell);
    }
    if (grouped) {
        std::string used = text.substr(0, length);
        std::replace(used.begin(), used.end(), '.', dialect.decimal);
        return messages::readAs(column, used, cell);
    }
    if (length == text.size()) {
        return std::nullopt;
    }
    // The points that group thousands, dropped from the text, lie in what was read.
    return messages::readAs(column, length == 0 ? "0" : cell.substr(0, length + cell.size() - text.size()), cell);
}

} // namespace batch
