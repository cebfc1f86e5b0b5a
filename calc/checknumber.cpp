#include "calc/checknumber.h"

#include "calc/module1.h"

#include <algorithm>

namespace calc {

namespace {

bool allowed(char c)
{
    return (c >= '0' && c <= '9') || c == 'e' || c == '.' || c == 'E' || c == '-' || c == '+';
}

} // namespace

void CheckNumber(Module1Scalars& m, const std::string& text, const ShowMessage& show)
{
    m.InputError = 0;
    if (text.empty()) {
        show(Severity::Refusal, m.MsgMissing);
        m.InputError = 1;
        return;
    }
    // Every byte of a UTF-8 character beyond ASCII lies outside the set, so a
    // byte-wise look gives the verdict a character-wise one would.
    if (!std::all_of(text.begin(), text.end(), allowed)) {
        show(Severity::Refusal, m.MsgInvalid);
        m.InputError = 1;
    }
}

} // namespace calc
