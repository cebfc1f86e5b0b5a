// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as the command line's standard input, the first picking the mode.

#include "app/batch/csvreader.h"
#include "app/batch/csvwriter.h"
#include "app/batch/designtable.h"
#include "app/batch/messages.h"
#include "app/batch/samples.h"
#include "app/batch/verificationtable.h"
#include "calc/val.h"
#include "fuzz/require.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <regex>
#include <sstream>

namespace {

struct Table {
    bool readable = false;
    batch::Dialect dialect;
    std::vector<batch::Record> rows;
};

// The separator that splits the header line into the most cells, the first of a tie.
batch::Dialect mostCells(std::string_view headerLine)
{
    char best = batch::Separators[0];
    std::size_t most = 0;
    for (const char separator : batch::Separators) {
        const auto cells = batch::splitLine(headerLine, separator);
        if (cells && cells->size() > most) {
            most = cells->size();
            best = separator;
        }
    }
    return batch::dialectOf(best);
}

Table records(const std::string& csv, std::optional<batch::Dialect> dialect = std::nullopt)
{
    Table t;
    std::istringstream in(csv);
    const auto keep = [&t](const batch::Record& r, std::size_t) {
        t.rows.push_back(r);
        return true;
    };
    t.readable = !batch::readCsv(in, t.dialect, keep,
                                 [&](std::string_view line) { return dialect ? *dialect : mostCells(line); });
    return t;
}

int runMode(int mode, const std::string& csv, std::string& output)
{
    std::istringstream input(csv);
    std::ostringstream out, err;
    const int status = mode == 0   ? batch::runVerification(input, out, err)
                       : mode == 1 ? batch::runDesign(input, out, err)
                                   : batch::runSamples(input, out, err);
    require(status >= 0 && status <= 2 && (status < 2 || !err.str().empty()), "status");
    output = out.str();
    return status;
}

// A decimal-comma cell as a comma sheet writes it, by a rule of its own: points
// group thousands in threes; any other point has no twin.
std::optional<std::string> commaTwin(const std::string& cell)
{
    static const std::regex grouped(R"(^([+-]?[1-9][0-9]{0,2}(\.[0-9]{3})+)([^0-9.][^.]*)?$)");
    std::smatch m;
    std::string text = cell;
    if (std::regex_match(cell, m, grouped)) {
        text = m[1].str() + m[3].str();
        text.erase(std::remove(text.begin(), text.end(), '.'), text.end());
    } else if (cell.find('.') != std::string::npos) {
        return std::nullopt;
    }
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

// The twin's results are the sheet's, with a point; a refused number's message
// is the window's, which the sheet follows with one sentence.
void sameAsTwin(int mode, const Table& sheet, int status, const Table& out)
{
    std::string twin;
    for (const auto& row : sheet.rows) {
        batch::Record cells;
        for (const auto& cell : row) {
            const auto text = &row == &sheet.rows[0] ? std::optional(cell) : commaTwin(cell);
            if (!text) {
                return;
            }
            cells.push_back(*text);
        }
        std::ostringstream line;
        batch::writeCsv(line, cells, ',', ";\t");
        twin += line.str();
    }
    std::string output;
    require(runMode(mode, twin, output) == status, "twin's status");
    const Table twinOut = records(output);
    require(twinOut.rows.size() == out.rows.size(), "twin's rows");
    for (std::size_t i = 1; i < out.rows.size(); ++i) {
        const auto &a = out.rows[i], &b = twinOut.rows[i];
        const std::size_t results = mode == 2 ? a.size() : 5;
        for (std::size_t k = a.size() - results; k < a.size(); ++k) {
            std::string cell = a[k], twinCell = b[k + b.size() - a.size()];
            if (k + 1 == a.size() && cell.ends_with(batch::messages::SheetNumbers)) {
                cell.resize(cell.size() - std::string_view(batch::messages::SheetNumbers).size());
            }
            // Numbers, and an earlier stage's Errore, which the twin wrote with points for its commas.
            if (k + 2 != a.size() || mode == 2) {
                std::replace(cell.begin(), cell.end(), ',', '.');
                std::replace(twinCell.begin(), twinCell.end(), ',', '.');
            }
            require(k + 2 == a.size() || cell == twinCell, "twin's results");
        }
    }
}

// Any cell may be N: kept small, to run in milliseconds.
bool small(std::string cell, char decimal)
{
    std::replace(cell.begin(), cell.end(), decimal, '.');
    const auto [value, length] = calc::ValWithLength(cell);
    require(value == calc::Val(cell.substr(0, length)), "partial read");
    return std::abs(value) <= 1024;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string csv =
        std::string(reinterpret_cast<const char*>(data), size).substr(std::min<std::size_t>(size, 1));
    const Table in = records(csv);
    for (const auto& row : in.rows) {
        for (const auto& cell : row) {
            if (!small(cell, in.dialect.decimal)) {
                return 0;
            }
        }
    }
    const int mode = size == 0 ? 0 : data[0] % 3;
    std::string output;
    const int status = runMode(mode, csv, output);
    const Table out = records(output);
    if (status == 2 || out.rows.empty()) {
        return 0;
    }
    const Table sheet = records(csv, out.dialect);
    require(sheet.readable && out.readable, "readable");
    for (const auto& row : out.rows) {
        require(row.size() == out.rows[0].size() && (mode == 2 || out.rows.size() == sheet.rows.size()), "rows");
        require(mode == 2 || &row == &out.rows[0] || row.back().empty() || status == 1, "refusal");
    }
    if (out.dialect.separator != ',' && mode != 2) {
        sameAsTwin(mode, sheet, status, out);
    }
    return 0;
}
