// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/columns.h"

#include "app/batch/messages.h"
#include "calc/ascii.h"

#include <algorithm>
#include <string>
#include <utility>

namespace batch {

namespace {

std::string_view trimmed(std::string_view s)
{
    const std::size_t start = s.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return {};
    }
    return s.substr(start, s.find_last_not_of(" \t") - start + 1);
}

// The unit with µ (U+00B5 or U+03BC) spelt u and Ω (U+03A9 or U+2126) spelt ohm.
std::string plainUnit(std::string_view unit)
{
    std::string plain(unit);
    for (const auto& [symbol, letters] :
         {std::pair{"\u00B5", "u"}, {"\u03BC", "u"}, {"\u03A9", "ohm"}, {"\u2126", "ohm"}}) {
        for (std::size_t at = plain.find(symbol); at != std::string::npos; at = plain.find(symbol, at)) {
            plain.replace(at, std::string_view(symbol).size(), letters);
        }
    }
    return plain;
}

bool names(std::string_view cell, const Wanted& wanted)
{
    return match(cell, wanted.column) != Match::None ||
           (!wanted.keptAs.empty() && match(cell, {wanted.keptAs, wanted.column.unit}) != Match::None);
}

// The name a wanted column is read under: the one it is kept as, where the
// header has it, since beside it a column of its own name is what a
// --verifica computed; else its own.
ColumnName readAs(const Record& cells, const Wanted& wanted)
{
    const ColumnName kept{wanted.keptAs, wanted.column.unit};
    const bool hasKept = !wanted.keptAs.empty() && std::any_of(cells.begin(), cells.end(), [&kept](const auto& cell) {
        return match(cell, kept) != Match::None;
    });
    return hasKept ? kept : wanted.column;
}

std::optional<std::size_t> columnOf(const Record& cells, const ColumnName& column)
{
    const auto at = std::find_if(cells.begin(), cells.end(),
                                 [&column](const std::string& cell) { return match(cell, column) != Match::None; });
    return at == cells.end() ? std::nullopt : std::optional(static_cast<std::size_t>(at - cells.begin()));
}

// How many required columns the cells name.
std::size_t requiredNamed(const Record& cells, const std::vector<Wanted>& inputs)
{
    return static_cast<std::size_t>(std::count_if(inputs.begin(), inputs.end(), [&cells](const Wanted& wanted) {
        return !wanted.optional && std::any_of(cells.begin(), cells.end(),
                                               [&wanted](const std::string& cell) { return names(cell, wanted); });
    }));
}

} // namespace

std::string headerText(const ColumnName& column)
{
    return column.unit.empty() ? std::string(column.name)
                               : std::string(column.name) + " [" + std::string(column.unit) + "]";
}

Match match(std::string_view cell, const ColumnName& column)
{
    cell = trimmed(cell);
    std::string_view unit;
    const char close = cell.empty() ? ' ' : cell.back();
    const std::size_t open = close == ']' ? cell.rfind('[') : close == ')' ? cell.rfind('(') : std::string_view::npos;
    if (open != std::string_view::npos) {
        unit = trimmed(cell.substr(open + 1, cell.size() - open - 2));
        cell = trimmed(cell.substr(0, open));
    }
    if (!calc::equalIgnoringAsciiCase(cell, column.name)) {
        return Match::None;
    }
    return unit.empty() || calc::equalIgnoringAsciiCase(plainUnit(unit), column.unit) ? Match::Named : Match::OtherUnit;
}

Dialect dialectFor(std::string_view headerLine, const std::vector<Wanted>& inputs)
{
    std::size_t most = 0;
    Dialect best = dialectOf(',');
    for (const char separator : Separators) {
        const auto cells = splitLine(headerLine, separator);
        const std::size_t found = cells ? requiredNamed(*cells, inputs) : 0;
        if (found > most) {
            most = found;
            best = dialectOf(separator);
        }
    }
    return best;
}

bool findColumns(Header& header, const std::vector<Wanted>& inputs, std::span<const ColumnName> results,
                 const ColumnName (&word)[2], std::ostream& err)
{
    const Record& cells = header.cells;
    header.inputs.clear();
    header.renamed.assign(cells.size(), "");
    for (const Wanted& wanted : inputs) {
        const ColumnName name = readAs(cells, wanted);
        const auto named = [&name](const std::string& cell) { return match(cell, name) != Match::None; };
        const auto at = std::find_if(cells.begin(), cells.end(), named);
        if (at == cells.end() && !wanted.optional) {
            err << messages::missingColumn(wanted.column.name) << '\n';
            return false;
        }
        if (at != cells.end() && std::find_if(at + 1, cells.end(), named) != cells.end()) {
            err << messages::repeatedColumn(name.name) << '\n';
            return false;
        }
        if (at != cells.end() && match(*at, name) == Match::OtherUnit) {
            err << messages::otherUnit(*at, headerText(name)) << '\n';
            return false;
        }
        header.inputs.emplace_back();
        if (at != cells.end()) {
            header.inputs.back() = static_cast<std::size_t>(at - cells.begin());
            header.renamed[at - cells.begin()] =
                wanted.keptAs.empty() ? "" : headerText({wanted.keptAs, wanted.column.unit});
        }
    }
    header.warnings = columnOf(cells, word[0]);
    header.refusal = columnOf(cells, word[1]);
    header.kept.assign(cells.size(), true);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        header.kept[i] = std::none_of(results.begin(), results.end(),
                                      [&](const ColumnName& result) { return match(cells[i], result) != Match::None; });
    }
    return true;
}

} // namespace batch
