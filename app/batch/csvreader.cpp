// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/csvreader.h"

#include "app/batch/messages.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <exception>
#include <system_error>

namespace batch {

namespace {

struct Reading {
    const OnRecord& onRecord;
    Record record{};
    std::size_t line = 1;       // the line being fed to the parser
    std::size_t recordLine = 1; // where the record being read began
    bool blankLine = true;      // nothing but line ends so far on this line
    bool stopped = false;
    std::optional<std::string> error{};
    std::exception_ptr exception{};
};

// Bytes in the sequence a lead byte opens; 0 for a byte that opens none.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    return lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
}

// Well-formed UTF-8: shortest forms only, no surrogates, nothing past U+10FFFF.
bool isUtf8(std::string_view s)
{
    constexpr std::array<unsigned long, 5> shortest = {0, 0, 0x80, 0x800, 0x10000};
    for (std::size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        const std::size_t length = sequenceLength(lead);
        if (length == 0 || s.size() - i < length) {
            return false;
        }
        unsigned long codePoint = lead & (0x7FU >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if ((next & 0xC0U) != 0x80) {
                return false;
            }
            codePoint = (codePoint << 6U) | (next & 0x3FU);
        }
        if (codePoint < shortest[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

// A blank is part of its cell: " 5" must reach the field rule to be refused.
int noBlanks(unsigned char /*c*/)
{
    return 0;
}

void endCell(void* text, std::size_t size, void* data)
{
    auto& r = *static_cast<Reading*>(data);
    if (!r.stopped) {
        r.record.emplace_back(size == 0 ? "" : static_cast<const char*>(text), size);
    }
}

void endRecord(int /*terminator*/, void* data)
{
    auto& r = *static_cast<Reading*>(data);
    if (r.stopped) {
        return;
    }
    // A spreadsheet writes an empty row as its separators alone: a blank line.
    if (std::all_of(r.record.begin(), r.record.end(), [](const std::string& cell) { return cell.empty(); })) {
        r.record.clear();
        r.recordLine = r.line + 1;
        return;
    }
    for (const std::string& cell : r.record) {
        if (!isUtf8(cell)) {
            r.error = messages::row(r.recordLine) + messages::NotUtf8;
            r.stopped = true;
            return;
        }
    }
    // Nothing may unwind through the parser's C frames.
    try {
        r.stopped = !r.onRecord(r.record, r.recordLine);
    } catch (...) {
        r.exception = std::current_exception();
        r.stopped = true;
    }
    r.record.clear();
    r.recordLine = r.line + 1;
}

struct Parser {
    csv_parser p{};
    explicit Parser(char separator)
    {
        csv_init(&p, CSV_STRICT | CSV_STRICT_FINI);
        csv_set_space_func(&p, noBlanks);
        csv_set_delim(&p, static_cast<unsigned char>(separator));
    }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;
    ~Parser() { csv_free(&p); }
};

// One line at a time, so that every record knows the line it began on.
void feed(Parser& parser, Reading& r, std::string_view bytes)
{
    while (!bytes.empty() && !r.stopped) {
        const std::string_view part = bytes.substr(0, std::min(bytes.find('\n'), bytes.size() - 1) + 1);
        bytes.remove_prefix(part.size());
        if (csv_parse(&parser.p, part.data(), part.size(), endCell, endRecord, &r) != part.size() && !r.stopped) {
            r.error = messages::row(r.recordLine) + messages::NotCsv;
            r.stopped = true;
        }
        r.blankLine = r.blankLine && part.find_first_not_of("\r\n") == std::string_view::npos;
        if (part.back() == '\n') {
            // The parser skips an empty line: the next record begins below it.
            if (r.blankLine && r.recordLine == r.line) {
                ++r.recordLine;
            }
            ++r.line;
            r.blankLine = true;
        }
    }
}

// Line ends, and the separators of a row of empty cells.
constexpr const char* NoCell = "\r\n;\t,";

// Where the first line that holds a cell begins in `head`, past a byte order
// mark; npos when none has begun.
std::size_t headerStart(std::string_view head)
{
    const std::size_t start =
        head.find_first_not_of(NoCell, head.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0);
    return start == std::string_view::npos ? start : head.rfind('\n', start) + 1;
}

// Reads on until the first line that holds a cell is whole, or the input ends.
std::string headOf(std::istream& in)
{
    std::string head;
    std::array<char, 1 << 16> buffer{};
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
        head.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
        const std::size_t start = headerStart(head);
        if (start != std::string::npos && head.find('\n', start) != std::string::npos) {
            break;
        }
    }
    return head;
}

std::optional<std::string> readRecords(std::istream& in, Dialect& dialect, const OnRecord& onRecord,
                                       const ChooseDialect& choose)
{
    std::string head = headOf(in);
    std::string_view rest = head;
    const bool byteOrderMark = rest.starts_with(ByteOrderMark);
    if (byteOrderMark) {
        rest.remove_prefix(ByteOrderMark.size());
    }
    const std::size_t start = std::min(headerStart(rest), rest.size());
    const std::string_view line = rest.substr(start, rest.find('\n', start) - start);
    dialect = choose(line);
    dialect.byteOrderMark = byteOrderMark;

    Parser parser(dialect.separator);
    Reading r{.onRecord = onRecord};
    feed(parser, r, rest);
    std::array<char, 1 << 16> buffer{};
    while (!r.stopped && (in.read(buffer.data(), buffer.size()) || in.gcount() > 0)) {
        feed(parser, r, std::string_view(buffer.data(), static_cast<std::size_t>(in.gcount())));
    }
    if (!r.stopped && in.bad()) {
        r.error = messages::Unreadable;
    } else if (!r.stopped && csv_fini(&parser.p, endCell, endRecord, &r) != 0) {
        r.error = messages::row(r.recordLine) + messages::NotCsv;
    }
    if (r.exception) {
        std::rethrow_exception(r.exception);
    }
    return r.error;
}

} // namespace

Dialect dialectOf(char separator)
{
    return {separator, separator == ',' ? '.' : ',', false};
}

std::optional<Record> splitLine(std::string_view line, char separator)
{
    Record cells;
    const OnRecord first = [&cells](const Record& record, std::size_t /*line*/) {
        cells = record;
        return false;
    };
    Parser parser(separator);
    Reading r{.onRecord = first};
    feed(parser, r, line);
    if (!r.stopped && csv_fini(&parser.p, endCell, endRecord, &r) != 0) {
        return std::nullopt;
    }
    return r.error ? std::nullopt : std::optional(cells);
}

std::optional<std::string> readCsv(std::istream& in, Dialect& dialect, const OnRecord& onRecord,
                                   const ChooseDialect& choose)
{
    try {
        return readRecords(in, dialect, onRecord, choose);
    } catch (const std::system_error& e) {
        return messages::unreadable(e.code().message());
    }
}

} // namespace batch
