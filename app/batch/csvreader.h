#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace batch {

using Record = std::vector<std::string>;

// Called with each record as soon as it is complete, and its number (the
// header is 1); returns false to stop reading.
using OnRecord = std::function<bool(const Record& record, std::size_t number)>;

// Reads comma-separated RFC 4180 records from `in`. Lines may end in CRLF or
// LF, a UTF-8 byte order mark at the start is dropped, empty lines are
// skipped, and cells keep their blanks. Returns the message for input that
// cannot be read (an unterminated or stray quote, text that is not UTF-8, a
// failing stream); the records before it have been handed on.
std::optional<std::string> readCsv(std::istream& in, const OnRecord& onRecord);

} // namespace batch
