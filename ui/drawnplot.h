// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/module1.h"

#include <cstdint>

namespace ui {

// What the graph window's drawing was made from. A later verification press
// replaces the module's arrays and a design press some of its scalars, while
// the window keeps showing the drawing; the printed page and the PDF follow
// the drawing, never the newer values.
class DrawnPlot {
public:
    DrawnPlot() = default;
    explicit DrawnPlot(const calc::Module1& m) : module_(&m), scalars_(m), generation_(m.generation) {}

    // The module still holds the arrays of the drawing.
    bool current() const { return module_ != nullptr && module_->generation == generation_; }
    // A later press replaced the arrays of the drawing.
    bool replaced() const { return module_ != nullptr && module_->generation != generation_; }
    const calc::SampleArrays& arrays() const { return *module_; }
    const calc::Module1Scalars& scalars() const { return scalars_; }

private:
    const calc::Module1* module_ = nullptr;
    calc::Module1Scalars scalars_;
    std::uint64_t generation_ = 0;
};

} // namespace ui
