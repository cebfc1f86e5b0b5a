// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/fieldcheck.h"

#include "calc/checknumber.h"

#include <algorithm>

namespace calc {

bool checkFields(std::initializer_list<FieldToCheck> fields, const ShowMessage& show)
{
    return std::all_of(fields.begin(), fields.end(), [&show](const FieldToCheck& field) {
        return CheckNumber(field.text, field.missing, field.invalid, show);
    });
}

} // namespace calc
