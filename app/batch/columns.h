// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/batch/csvreader.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace batch {

// A column as a header names it, and the unit of the window's field (empty
// for a count). "Vp", " vp " and "Vp [V]" all name Vp.
struct ColumnName {
    std::string_view name;
    std::string_view unit;
};

// "Vp [V]", or the bare name of a count.
std::string headerText(const ColumnName& column);

// The header texts of a header line's columns, each named by `name`.
template <class Columns, class Name = std::identity>
Record headerTexts(const Columns& columns, Name name = {})
{
    Record texts;
    for (const auto& column : columns) {
        texts.push_back(headerText(std::invoke(name, column)));
    }
    return texts;
}

// Whether a header cell names a column: the name regardless of case and of
// surrounding blanks, followed or not by a unit in square or round brackets,
// where µF stands for uF and Ω for ohm.
enum class Match { None, Named, OtherUnit };
Match match(std::string_view cell, const ColumnName& column);

// A column read into the field `text` of a press's texts.
template <class Texts>
struct InputColumn {
    ColumnName column;
    std::string Texts::*text;
    bool whole = false;    // the field rounds it to a whole number
    bool optional = false; // a missing column holds the field's default text
    // The name the column is written back under, and read under too: a
    // wanted value the next stage would otherwise take for its own result.
    std::string_view keptAs = {};
};

// A column of results, from the member `text` of a press's results.
template <class Results>
struct ResultColumn {
    ColumnName column;
    std::string Results::*text;
};

// What a table's header says.
struct Header {
    Dialect dialect;
    Record cells;
    std::vector<std::optional<std::size_t>> inputs; // where each input column stands; nothing when missing
    std::vector<bool> kept;                         // cells that no result column replaces
    std::vector<std::string> renamed;               // the name a cell is written back under; empty: its own
    // An earlier stage's Avviso and Errore, where the table has them.
    std::optional<std::size_t> warnings;
    std::optional<std::size_t> refusal;
};

struct Wanted {
    ColumnName column;
    bool optional = false;
    std::string_view keptAs = {};
};

// The dialect whose separator (";", tab or ",", in that order) splits the
// header line into every required column; when none does, the one that
// finds the most.
Dialect dialectFor(std::string_view headerLine, const std::vector<Wanted>& inputs);

// Finds the wanted columns in `header.cells`, each under the name it is kept
// as where the header has that name, the cells the results replace and an
// earlier stage's Avviso and Errore (`word`). False when a column is missing,
// named twice or in another unit (the message on `err`).
bool findColumns(Header& header, const std::vector<Wanted>& inputs, std::span<const ColumnName> results,
                 const ColumnName (&word)[2], std::ostream& err);

} // namespace batch
