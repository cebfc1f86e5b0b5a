#include "batch/csvreader.h"

#include "batch/messages.h"

#include <csv.h>

#include <array>
#include <exception>
#include <string_view>

namespace batch {

namespace {

struct Reading {
    const OnRecord& onRecord;
    Record record;
    std::size_t number = 0;
    bool stopped = false;
    std::optional<std::string> error;
    std::exception_ptr exception;
};

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Well-formed UTF-8: shortest forms only, no surrogates, nothing past U+10FFFF.
bool isUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t length = 0;
        unsigned long codePoint = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            codePoint = c & 0x1FU;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            codePoint = c & 0x0FU;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            codePoint = c & 0x07U;
        } else {
            return false;
        }
        if (s.size() - i < length) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if (!isContinuation(next)) {
                return false;
            }
            codePoint = (codePoint << 6U) | (next & 0x3FU);
        }
        const unsigned long shortest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (codePoint < shortest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
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
    if (r.stopped) {
        return;
    }
    r.record.emplace_back(size == 0 ? "" : static_cast<const char*>(text), size);
}

void endRecord(int /*terminator*/, void* data)
{
    auto& r = *static_cast<Reading*>(data);
    if (r.stopped) {
        return;
    }
    ++r.number;
    for (const std::string& cell : r.record) {
        if (!isUtf8(cell)) {
            r.error = messages::row(r.number) + messages::NotUtf8;
            r.stopped = true;
            return;
        }
    }
    // Nothing may unwind through the parser's C frames.
    try {
        r.stopped = !r.onRecord(r.record, r.number);
    } catch (...) {
        r.exception = std::current_exception();
        r.stopped = true;
    }
    r.record.clear();
}

struct Parser {
    csv_parser p{};
    Parser()
    {
        csv_init(&p, CSV_STRICT | CSV_STRICT_FINI);
        csv_set_space_func(&p, noBlanks);
    }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;
    ~Parser() { csv_free(&p); }
};

} // namespace

std::optional<std::string> readCsv(std::istream& in, const OnRecord& onRecord)
{
    Parser parser;
    Reading r{onRecord, {}, 0, false, std::nullopt, nullptr};
    std::array<char, 1 << 16> buffer{};
    bool first = true;
    while (!r.stopped) {
        in.read(buffer.data(), buffer.size());
        std::string_view chunk(buffer.data(), static_cast<std::size_t>(in.gcount()));
        if (chunk.empty()) {
            break;
        }
        if (first && chunk.starts_with("\xEF\xBB\xBF")) {
            chunk.remove_prefix(3);
        }
        first = false;
        if (csv_parse(&parser.p, chunk.data(), chunk.size(), endCell, endRecord, &r) != chunk.size() && !r.stopped) {
            r.error = messages::row(r.number + 1) + messages::NotCsv;
            r.stopped = true;
        }
    }
    if (!r.stopped && in.bad()) {
        r.error = messages::Unreadable;
    } else if (!r.stopped && csv_fini(&parser.p, endCell, endRecord, &r) != 0) {
        r.error = messages::row(r.number + 1) + messages::NotCsv;
    }
    if (r.exception) {
        std::rethrow_exception(r.exception);
    }
    return r.error;
}

} // namespace batch
