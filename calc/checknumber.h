// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/showmessage.h"

#include <string>

namespace calc {

// The character filter of every typed field: refuses an empty text with
// `missing` and a text holding anything but digits, "e", "E", ".", "-", "+"
// with `invalid`. It looks at which characters occur, never where. True when
// the text passes; a refusal has shown its message.
bool CheckNumber(const std::string& text, const char* missing, const char* invalid, const ShowMessage& show);

} // namespace calc
