// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/samples.h"

#include "app/batch/csvwriter.h"
#include "app/batch/exitstatus.h"
#include "app/batch/standardoutput.h"
#include "app/batch/table.h"
#include "calc/module1.h"
#include "calc/verification.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>

namespace batch {

namespace {

void writeSamples(std::ostream& out, const calc::Module1& m, const Dialect& dialect)
{
    if (dialect.byteOrderMark) {
        out << ByteOrderMark;
    }
    writeCsv(out, headerTexts(SampleColumns, &SampleColumn::column), dialect.separator);
    // Four numbers of at most 24 characters and their separators fit the reserve.
    constexpr std::ptrdiff_t Reserve = 128;
    std::array<char, 1 << 16> buffer{};
    char* end = buffer.data();
    const auto flush = [&] {
        if (dialect.decimal != '.') {
            std::replace(buffer.data(), end, '.', dialect.decimal);
        }
        out.write(buffer.data(), end - buffer.data());
        end = buffer.data();
    };
    for (std::int32_t k = 0; k <= m.N && out; ++k) {
        for (const SampleColumn& column : SampleColumns) {
            end = std::to_chars(end, buffer.data() + buffer.size(), column.value(m, k)).ptr;
            *end++ = dialect.separator;
        }
        end[-1] = '\n';
        if (buffer.data() + buffer.size() - end < Reserve) {
            flush();
        }
    }
    flush();
}

} // namespace

int runSamples(std::istream& in, std::ostream& out, std::ostream& err)
{
    Header header;
    const auto record = readSingleRow(in, err, header, wanted(CircuitColumns), "--campioni");
    if (!record) {
        return Unreadable;
    }
    if (refusedEarlier(header, *record, err)) {
        return Refused;
    }
    calc::Module1 m;
    const calc::ShowMessage show = [&err](calc::Severity, const std::string& text) { err << text << '\n'; };
    const bool pressed =
        calc::Command1_Click(m, textsOf(CircuitColumns, header, *record), '.', inSheet(header.dialect.decimal, show))
            .has_value();
    printNotices(readNotices(CircuitColumns, header, *record), err);
    if (!pressed) {
        return Refused;
    }
    errno = 0; // the reason of a failed write is this one's
    writeSamples(out, m, header.dialect);
    if (!out.flush()) {
        return reportUnwritable(err, errno);
    }
    return Computed;
}

} // namespace batch
