// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/partialread.h"

#include "app/batch/messages.h"
#include "calc/rounding.h"
#include "calc/val.h"

#include <algorithm>

namespace batch {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t exponentEnd(std::string_view s, std::size_t i)
{
    if (i >= s.size() || (s[i] != 'e' && s[i] != 'E')) {
        return i;
    }
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
        ++j;
    }
    const std::size_t digits = j;
    while (j < s.size() && isDigit(s[j])) {
        ++j;
    }
    return j > digits ? j : i;
}

} // namespace

std::size_t numberLength(std::string_view text)
{
    std::size_t i = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            digits = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    return digits ? exponentEnd(text, i) : 0;
}

std::optional<std::string> readNotice(std::string_view column, std::string_view cell, char decimal, bool whole)
{
    std::string text(cell);
    std::replace(text.begin(), text.end(), decimal, '.');
    const std::size_t length = numberLength(text);
    if (whole) {
        const double value = calc::Val(text);
        const auto rounded = calc::roundToLong(value);
        if (!rounded || (length == text.size() && *rounded == value)) {
            return std::nullopt;
        }
        return messages::readAs(column, std::to_string(*rounded), cell);
    }
    if (length == text.size()) {
        return std::nullopt;
    }
    return messages::readAs(column, length == 0 ? "0" : cell.substr(0, length), cell);
}

} // namespace batch
