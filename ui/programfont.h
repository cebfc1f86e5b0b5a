// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace ui {

// "MS Sans Serif" bold where the machine has it; Liberation Sans (metrics of
// Arial) or DejaVu Sans stand in for it elsewhere.
QFont programFont(double pointSize = 8.25);

} // namespace ui
