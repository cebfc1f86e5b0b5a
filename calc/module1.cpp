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
    // Free whatever part of the arrays was allocated before the next try.
    static_cast<SampleArrays&>(m) = {};
    return false;
}

} // namespace

// Everything but the arrays is copied whole, so that no part of the state can
// be left behind; the arrays are moved, never copied.
Module1 Module1::trial()
{
    SampleArrays buffers = std::exchange(spare_, {});
    SampleArrays shown = std::exchange(arrays(), {});
    Module1 t = *this;
    arrays() = std::move(shown);
    t.arrays() = std::move(buffers);
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
    arrays() = {};
    released_ = true;
    return tryCalcWaveforms(trial);
}

// The trial's state replaces the module's whole; the arrays it replaces are
// kept as the next trial's buffers.
void Module1::commit(Module1&& trial)
{
    SampleArrays shown = std::exchange(arrays(), {});
    *this = std::move(trial);
    spare_ = std::move(shown);
}

void Module1::discard(Module1&& trial)
{
    if (!released_) {
        spare_ = std::move(trial.arrays());
        return;
    }
    try {
        restoreArrays(std::move(trial.arrays()));
    } catch (const std::bad_alloc&) {
        // Where even the arrays just freed cannot be had again, the module
        // keeps none, and a new generation tells every drawing of the old
        // ones that they are gone. The readout reads no array.
        arrays() = {};
        released_ = false;
        ++generation;
    }
}

// The simulation is deterministic, so the same parameters give the same bits.
// The memory is the trial's, just freed, so it can be allocated again.
void Module1::restoreArrays(SampleArrays&& buffers)
{
    Module1 again;
    again.arrays() = std::move(buffers);
    static_cast<CircuitParameters&>(again) = simulatedFrom_;
    again.CalcWaveforms();
    arrays() = std::move(again.arrays());
    measured_ = again.measured_;
    released_ = false;
}

} // namespace calc
