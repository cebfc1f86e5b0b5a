#include "calc/module1.h"

#include <utility>

namespace calc {

Module1 Module1::trial()
{
    Module1 t;
    static_cast<Module1Scalars&>(t) = *this;
    static_cast<SampleArrays&>(t) = std::move(spare_);
    t.generation = generation;
    t.measured_ = measured_;
    spare_ = {};
    return t;
}

void Module1::commit(Module1&& trial)
{
    spare_ = std::move(static_cast<SampleArrays&>(*this));
    static_cast<Module1Scalars&>(*this) = trial;
    static_cast<SampleArrays&>(*this) = std::move(static_cast<SampleArrays&>(trial));
    generation = trial.generation;
    measured_ = trial.measured_;
}

void Module1::discard(Module1&& trial)
{
    spare_ = std::move(static_cast<SampleArrays&>(trial));
}

} // namespace calc
