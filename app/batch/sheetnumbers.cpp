// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/sheetnumbers.h"

#include "app/batch/messages.h"
#include "calc/ascii.h"

#include <algorithm>

namespace batch {

namespace {

// Where the leading integer grouped by points ends ("-12.345" gives 7); 0
// when the cell does not begin with one.
std::size_t groupedEnd(std::string_view cell)
{
    std::size_t i = !cell.empty() && (cell[0] == '+' || cell[0] == '-') ? 1 : 0;
    const std::size_t first = i;
    while (i < cell.size() && calc::isAsciiDigit(cell[i]) && i - first < 3) {
        ++i;
    }
    if (i == first || cell[first] == '0') {
        return 0;
    }
    std::size_t groups = 0;
    while (i + 3 < cell.size() && cell[i] == '.' &&
           std::all_of(cell.begin() + i + 1, cell.begin() + i + 4, calc::isAsciiDigit)) {
        i += 4;
        ++groups;
    }
    const bool longer = i < cell.size() && calc::isAsciiDigit(cell[i]);
    return groups > 0 && !longer ? i : 0;
}

} // namespace

std::string windowText(std::string_view cell, char decimal)
{
    if (decimal == '.') {
        return std::string(cell);
    }
    const std::size_t grouped = groupedEnd(cell);
    const bool otherPoint = cell.find('.', grouped) != std::string_view::npos;
    std::string text;
    for (std::size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] == '.' && i < grouped) {
            continue;
        }
        if (otherPoint) {
            text += cell[i] == '.' ? ',' : cell[i];
        } else {
            text += cell[i] == decimal ? '.' : cell[i];
        }
    }
    return text;
}

calc::ShowMessage inSheet(char decimal, calc::ShowMessage show)
{
    if (decimal == '.') {
        return show;
    }
    return [show = std::move(show)](calc::Severity severity, const std::string& text) {
        show(severity, severity == calc::Severity::NotANumber ? text + messages::SheetNumbers : text);
    };
}

} // namespace batch
