// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/checknumber.h"

#include <algorithm>

namespace calc {

namespace {

bool allowed(char c)
{
    return (c >= '0' && c <= '9') || c == 'e' || c == '.' || c == 'E' || c == '-' || c == '+';
}

} // namespace

bool CheckNumber(const std::string& text, const char* missing, const char* invalid, const ShowMessage& show)
{
    if (text.empty()) {
        show(Severity::Refusal, missing);
        return false;
    }
    // Every byte of a UTF-8 character beyond ASCII lies outside the set, so a
    // byte-wise look gives the verdict a character-wise one would.
    if (!std::all_of(text.begin(), text.end(), allowed)) {
        show(Severity::NotANumber, invalid);
        return false;
    }
    return true;
}

} // namespace calc
