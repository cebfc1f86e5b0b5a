// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace ui {

// The size of every text the windows show, but for a few larger captions.
inline constexpr double ProgramPoints = 8.25;

// "MS Sans Serif" bold where the machine has it; Liberation Sans (metrics of
// Arial) or DejaVu Sans stand in for it elsewhere. Each window sets it on
// itself rather than on the application, so that the message boxes, menus,
// tooltips and Qt's dialogs keep the desktop's font.
QFont programFont(double pointSize = ProgramPoints);

} // namespace ui
