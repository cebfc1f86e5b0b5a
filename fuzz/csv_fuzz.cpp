// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as the command line's standard input, the first picking the mode.

#include "app/batch/csvreader.h"
#include "app/batch/designtable.h"
#include "app/batch/partialread.h"
#include "app/batch/samples.h"
#include "app/batch/verificationtable.h"
#include "calc/val.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

struct Table {
    bool readable = false;
    batch::Dialect dialect;
    std::vector<batch::Record> rows;
};

Table records(const std::string& csv)
{
    Table t;
    std::istringstream in(csv);
    t.readable = !batch::readCsv(in, t.dialect, [&t](const batch::Record& r, std::size_t /*line*/) {
        t.rows.push_back(r);
        return true;
    });
    return t;
}

// Any cell may be N: kept small, so that one input runs in milliseconds.
bool small(std::string cell, char decimal)
{
    std::replace(cell.begin(), cell.end(), decimal, '.');
    const double value = calc::Val(cell);
    const double read = calc::Val(cell.substr(0, batch::numberLength(cell)));
    require(value == read, "partial read");
    return std::abs(value) <= 1024;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string csv(reinterpret_cast<const char*>(data), size);
    const Table in = records(csv.substr(std::min<std::size_t>(size, 1)));
    for (const auto& row : in.rows) {
        for (const auto& cell : row) {
            if (!small(cell, in.dialect.decimal)) {
                return 0;
            }
        }
    }
    std::istringstream input(csv.substr(std::min<std::size_t>(size, 1)));
    std::ostringstream output;
    std::ostringstream err;
    const int mode = size == 0 ? 0 : data[0] % 3;
    const int status = mode == 0   ? batch::runVerification(input, output, err)
                       : mode == 1 ? batch::runDesign(input, output, err)
                                   : batch::runSamples(input, output, err);
    require(status >= 0 && status <= 2 && (status < 2 || !err.str().empty()), "status");
    const Table out = records(output.str());
    if (status == 2 || out.rows.empty()) {
        return 0;
    }
    require(in.readable && out.readable && out.dialect.separator == in.dialect.separator, "dialect");
    for (const auto& row : out.rows) {
        require(row.size() == out.rows[0].size() && (mode == 2 || out.rows.size() == in.rows.size()), "rows");
        require(mode == 2 || &row == &out.rows[0] || row.back().empty() || status == 1, "refusal");
    }
    return 0;
}
