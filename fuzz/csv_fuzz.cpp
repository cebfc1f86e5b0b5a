// Arbitrary bytes as standard input of the command line: the first byte picks
// --verifica, --progetto or --campioni, the rest is the CSV.
//
// Whatever comes in: the exit status is 0, 1 or 2; 2 always says why on
// standard error. A table that was read gives back its header and rows, each
// with the header's cell count, the cells as read in front, a refusal only in
// a row whose status says so. The samples are N + 1 rows of four numbers
// ending at t = 1/f.

#include "app/batch/csvreader.h"
#include "app/batch/designtable.h"
#include "app/batch/samples.h"
#include "app/batch/verificationtable.h"
#include "calc/module1.h"
#include "calc/rounding.h"
#include "calc/val.h"

#include <algorithm>
#include <charconv>
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

std::vector<batch::Record> records(const std::string& csv, bool& readable)
{
    std::vector<batch::Record> rows;
    std::istringstream in(csv);
    readable = !batch::readCsv(in, [&rows](const batch::Record& r, std::size_t /*number*/) {
        rows.push_back(r);
        return true;
    });
    return rows;
}

// Samples per period are held small so that one input runs in milliseconds.
bool tooManySamples(const std::vector<batch::Record>& rows)
{
    if (rows.empty()) {
        return false;
    }
    const auto column = std::find(rows[0].begin(), rows[0].end(), "N") - rows[0].begin();
    return std::any_of(rows.begin() + 1, rows.end(), [column](const batch::Record& r) {
        if (static_cast<std::size_t>(column) >= r.size()) {
            return false;
        }
        const auto N = calc::roundToLong(calc::Val(r[column]));
        return N && *N > 1024 && *N <= calc::Module1::MaxN;
    });
}

void checkTable(const std::vector<batch::Record>& in, const std::vector<batch::Record>& out, std::size_t appended,
                int status)
{
    require(out.size() == in.size(), "one output row for each row read");
    for (std::size_t i = 0; i < out.size(); ++i) {
        require(out[i].size() == in[0].size() + appended, "every row has the header's cell count");
        require(std::equal(in[i].begin(), in[i].end(), out[i].begin()), "the cells as read come first");
    }
    const bool refused =
        std::any_of(out.begin() + 1, out.end(), [](const batch::Record& r) { return !r.back().empty(); });
    require(refused == (status == 1), "status 1 exactly when some row holds a refusal");
}

void checkSamples(const std::vector<batch::Record>& out)
{
    require(out.size() >= 3, "a header and at least two samples");
    for (const batch::Record& r : out) {
        require(r.size() == 4, "four cells a sample");
    }
    std::vector<double> t(out.size());
    for (std::size_t i = 1; i < out.size(); ++i) {
        const std::string& cell = out[i][0];
        const auto result = std::from_chars(cell.data(), cell.data() + cell.size(), t[i]);
        require(result.ec == std::errc() && result.ptr == cell.data() + cell.size(), "times are numbers");
        require(i == 1 ? t[i] == 0 : t[i] > t[i - 1], "time starts at 0 and grows");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::string csv(reinterpret_cast<const char*>(data) + 1, size - 1);
    bool readable = false;
    const auto in = records(csv, readable);
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
    require(readable, "what was computed was readable CSV");
    bool written = false;
    const auto out = records(output.str(), written);
    require(written, "the output reads back as CSV");
    if (mode == 2) {
        require(status == 1 ? out.empty() && !errors.str().empty() : true, "a refused row writes no sample");
        if (status == 0) {
            checkSamples(out);
        }
        return 0;
    }
    checkTable(in, out, mode == 0 ? 5 : 4, status);
    return 0;
}
