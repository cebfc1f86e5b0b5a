// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/csvwriter.h"

#include <csv.h>

#include <string>

namespace batch {

void writeCsv(std::ostream& out, const Record& cells, char separator, std::string_view alsoQuoted)
{
    const std::string special = std::string{separator, '"', '\r', '\n'} + std::string(alsoQuoted);
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string& cell = cells[i];
        if (i > 0) {
            line += separator;
        }
        // Quoted besides: a lone empty cell, whose line would read back as no
        // record, and a leading byte order mark, which a reader would drop.
        if (cell.find_first_of(special) == std::string::npos && !(cells.size() == 1 && cell.empty()) &&
            !cell.starts_with(ByteOrderMark)) {
            line += cell;
            continue;
        }
        const std::size_t start = line.size();
        const std::size_t size = csv_write(nullptr, 0, cell.data(), cell.size());
        line.resize(start + size);
        csv_write(line.data() + start, size, cell.data(), cell.size());
    }
    line += '\n';
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
}

} // namespace batch
