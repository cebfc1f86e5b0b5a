// Arbitrary bytes as standard input of the command line: the first byte picks
// --verifica, --progetto or --campioni, the rest is the CSV.
//
// Whatever comes in: the exit status is 0, 1 or 2; 2 always says why on
// standard error. A table that was read comes back in its own dialect, one
// row for each row read, each with the header's cell count, a refusal only
// in a row whose status says so. The samples are rows of four numbers from
// t = 0 on. The rule that names a partial read reads what Val reads.

#include "app/batch/columns.h"
#include "app/batch/csvreader.h"
#include "app/batch/designtable.h"
#include "app/batch/partialread.h"
#include "app/batch/samples.h"
#include "app/batch/verificationtable.h"
#include "calc/val.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

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

double number(std::string cell, char decimal)
{
    std::replace(cell.begin(), cell.end(), decimal, '.');
    const double value = calc::Val(cell);
    const double prefix = calc::Val(std::string_view(cell).substr(0, batch::numberLength(cell)));
    require(value == prefix && std::signbit(value) == std::signbit(prefix), "the notice's rule reads what Val reads");
    return value;
}

// Samples per period are held small so that one input runs in milliseconds.
bool tooManySamples(const Table& in)
{
    if (in.rows.empty()) {
        return false;
    }
    const auto& header = in.rows[0];
    const auto named = [](const std::string& cell) { return batch::match(cell, {"N", ""}) != batch::Match::None; };
    const auto column = static_cast<std::size_t>(std::find_if(header.begin(), header.end(), named) - header.begin());
    return std::any_of(in.rows.begin() + 1, in.rows.end(), [&](const batch::Record& r) {
        for (const std::string& cell : r) {
            number(cell, in.dialect.decimal);
        }
        return column < r.size() && std::abs(number(r[column], in.dialect.decimal)) > 1024;
    });
}

void checkTable(const Table& in, const Table& out, int status)
{
    require(out.rows.size() == in.rows.size() && out.dialect.separator == in.dialect.separator,
            "one output row for each row read, in the input's dialect");
    for (const batch::Record& row : out.rows) {
        require(row.size() == out.rows[0].size(), "every row has the header's cell count");
    }
    const bool refused =
        std::any_of(out.rows.begin() + 1, out.rows.end(), [](const auto& r) { return !r.back().empty(); });
    require(refused == (status == 1), "status 1 exactly when some row holds a refusal");
}

void checkSamples(const Table& out)
{
    require(out.rows.size() >= 3, "a header and at least two samples");
    double last = -1;
    for (std::size_t i = 1; i < out.rows.size(); ++i) {
        require(out.rows[i].size() == 4, "four cells a sample");
        std::string cell = out.rows[i][0];
        std::replace(cell.begin(), cell.end(), out.dialect.decimal, '.');
        double t = 0;
        const auto result = std::from_chars(cell.data(), cell.data() + cell.size(), t);
        require(result.ec == std::errc() && result.ptr == cell.data() + cell.size(), "times are numbers");
        require(i == 1 ? t == 0 : t > last, "time starts at 0 and grows");
        last = t;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::string csv(reinterpret_cast<const char*>(data) + 1, size - 1);
    const Table in = records(csv);
    if (tooManySamples(in)) {
        return 0;
    }
    std::istringstream input(csv);
    std::ostringstream output;
    std::ostringstream errors;
    const int mode = data[0] % 3;
    const int status = mode == 0   ? batch::runVerification(input, output, errors)
                       : mode == 1 ? batch::runDesign(input, output, errors)
                                   : batch::runSamples(input, output, errors);
    require(status >= 0 && status <= 2, "the exit status is 0, 1 or 2");
    require(status != 2 || !errors.str().empty(), "an unreadable input is explained");
    if (status == 2) {
        return 0;
    }
    require(in.readable, "what was computed was readable CSV");
    const Table out = records(output.str());
    require(out.readable, "the output reads back as CSV");
    if (mode == 2) {
        require(status == 0 || (out.rows.empty() && !errors.str().empty()), "a refused row writes no sample");
        if (status == 0) {
            checkSamples(out);
        }
        return 0;
    }
    checkTable(in, out, status);
    return 0;
}
