#include "calc/fieldcheck.h"

#include "calc/checknumber.h"
#include "calc/module1.h"

namespace calc {

bool checkFields(Module1Scalars& m, std::initializer_list<FieldToCheck> fields, const ShowMessage& show)
{
    for (const FieldToCheck& field : fields) {
        m.FieldText = field.text;
        m.MsgMissing = field.missing;
        m.MsgInvalid = field.invalid;
        CheckNumber(m, m.FieldText, show);
        if (m.InputError == 1) {
            return false;
        }
    }
    return true;
}

} // namespace calc
