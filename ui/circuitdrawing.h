// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace ui {

// The schematic shown beside the controls: a sine generator feeding a diode,
// with the capacitor and the load resistor in parallel as output.
// Drawn without antialiasing so every call yields the same pixels. At a
// screen's pixel ratio the image has that many device pixels to a logical
// one, and its strokes fall on the same logical pixels as at a ratio of 1.
QImage circuitDrawing(qreal ratio = 1);

} // namespace ui
