// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace ui {

// The save dialog of the graph window: a PNG or a PDF, in the user's pictures
// folder at first (the home folder where there is none). A name typed without
// an extension gets the one of the chosen type. Empty when the user gives up.
QString askPlotPath(QWidget* parent);

} // namespace ui
