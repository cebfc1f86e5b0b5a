// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace batch {

using Record = std::vector<std::string>;

// UTF-8's byte order mark, as some spreadsheets begin a CSV file.
inline constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// How a table is written: ";" or a tab between cells, as a spreadsheet saves
// it under Italian settings, with a decimal comma; or "," with a decimal
// point. Its tables go back the same way, and with the byte order mark they
// came with, so the same spreadsheet opens them again.
struct Dialect {
    char separator = ',';
    char decimal = '.';
    bool byteOrderMark = false;
};

inline constexpr char Separators[] = {';', '\t', ','};

// The dialect of a separator.
Dialect dialectOf(char separator);

// A line's cells, split by `separator`; nothing when it is no CSV record.
std::optional<Record> splitLine(std::string_view line, char separator);

// Called with each record as soon as it is complete and the line an editor
// shows it on (its first line, when a quoted cell spans several); returns
// false to stop reading.
using OnRecord = std::function<bool(const Record& record, std::size_t line)>;

// The dialect of a table, chosen from its header line.
using ChooseDialect = std::function<Dialect(std::string_view headerLine)>;

// Reads RFC 4180 records from `in` in the dialect `choose` gives for its
// first line, which lands in `dialect` before the first record is handed on.
// Lines may end in CRLF or LF, a UTF-8 byte order mark at the start is
// dropped, empty lines and records of empty cells only are skipped, and cells
// keep their blanks. Returns the message for input that cannot be read (an
// unterminated or stray quote, text that is not UTF-8, a failing stream, with
// the system's reason when it throws std::system_error); the records before
// it have been handed on.
std::optional<std::string> readCsv(std::istream& in, Dialect& dialect, const OnRecord& onRecord,
                                   const ChooseDialect& choose);

} // namespace batch
