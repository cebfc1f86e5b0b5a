// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace ui {

// The schematic shown beside the controls: a sine generator feeding a diode,
// with the capacitor and the load resistor in parallel as output.
// Drawn without antialiasing so every call yields the same pixels.
QImage circuitDrawing();

} // namespace ui
