#pragma once

#include "calc/showmessage.h"

#include <string>

namespace calc {

struct Module1Scalars;

// The character filter of every typed field: refuses an empty text with
// MsgMissing and a text holding anything but digits, "e", "E", ".", "-", "+"
// with MsgInvalid. It looks at which characters occur, never where. The
// verdict lands in InputError (0 accepted, 1 refused, message already shown).
void CheckNumber(Module1Scalars& m, const std::string& text, const ShowMessage& show);

} // namespace calc
