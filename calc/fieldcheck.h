// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/showmessage.h"

#include <initializer_list>
#include <string>

namespace calc {

struct FieldToCheck {
    const std::string& text;
    const char* missing;
    const char* invalid;
};

// CheckNumber on each field in turn; false at the first refused field, whose
// message has been shown. Later fields are not looked at.
bool checkFields(std::initializer_list<FieldToCheck> fields, const ShowMessage& show);

} // namespace calc
