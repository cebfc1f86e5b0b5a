#include "calc/module1.h"

namespace calc {

Module1 Module1::withoutSamples() const
{
    Module1 copy;
    static_cast<Module1Scalars&>(copy) = *this;
    copy.generation = generation;
    return copy;
}

} // namespace calc
