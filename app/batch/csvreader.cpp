#include "app/batch/csvreader.h"

#include "app/batch/messages.h"

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
        if (length == 1) {
            ++i;
            continue;
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
