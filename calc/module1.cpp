// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/module1.h"

#include <new>
#include <stdexcept>
#include <utility>

namespace calc {

namespace {

bool tryCalcWaveforms(Module1& m)
{
    try {
        m.CalcWaveforms();
        return true;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    // Whatever part of the arrays was had goes back before the next try.
    static_cast<SampleArrays&>(m) = {};
    return false;
}

} // namespace

Module1 Module1::trial()
{
    Module1 t;
    static_cast<Module1Scalars&>(t) = *this;
    static_cast<SampleArrays&>(t) = std::move(spare_);
    t.measured_ = measured_;
    t.generation = generation;
    t.simulatedFrom_ = simulatedFrom_;
    spare_ = {};
    return t;
}

bool Module1::simulate(Module1& trial)
{
    if (tryCalcWaveforms(trial)) {
        return true;
    }
    spare_ = {};
    if (tryCalcWaveforms(trial)) {
        return true;
    }
    // At the largest N two sets of arrays may not fit where one does.
    if (Vc.capacity() == 0) {
        return false;
    }
    static_cast<SampleArrays&>(*this) = {};
    released_ = true;
    return tryCalcWaveforms(trial);
}

void Module1::commit(Module1&& trial)
{
    spare_ = std::move(static_cast<SampleArrays&>(*this));
    static_cast<Module1Scalars&>(*this) = trial;
    static_cast<SampleArrays&>(*this) = std::move(static_cast<SampleArrays&>(trial));
    measured_ = trial.measured_;
    generation = trial.generation;
    simulatedFrom_ = trial.simulatedFrom_;
    released_ = false;
}

void Module1::discard(Module1&& trial)
{
    if (released_) {
        restoreArrays(std::move(static_cast<SampleArrays&>(trial)));
        return;
    }
    spare_ = std::move(static_cast<SampleArrays&>(trial));
}

// The simulation is deterministic, so the same parameters give the same bits.
// The memory is the trial's, just given back, so it is there to be had.
void Module1::restoreArrays(SampleArrays&& buffers)
{
    Module1 again;
    static_cast<SampleArrays&>(again) = std::move(buffers);
    static_cast<CircuitParameters&>(again) = simulatedFrom_;
    again.CalcWaveforms();
    static_cast<SampleArrays&>(*this) = std::move(static_cast<SampleArrays&>(again));
    measured_ = again.measured_;
    released_ = false;
}

} // namespace calc
