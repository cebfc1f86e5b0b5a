#pragma once

#include "calc/showmessage.h"

#include <initializer_list>
#include <string>

namespace calc {

struct Module1Scalars;

struct FieldToCheck {
    const std::string& text;
    const char* missing;
    const char* invalid;
};

// Hands each field in turn to CheckNumber through FieldText, MsgMissing and
// MsgInvalid, as every button does; false at the first refused field, whose
// message has been shown. Later fields are not looked at.
bool checkFields(Module1Scalars& m, std::initializer_list<FieldToCheck> fields, const ShowMessage& show);

} // namespace calc
