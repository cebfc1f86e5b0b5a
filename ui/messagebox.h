// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/showmessage.h"

#include <QString>

class QWidget;

namespace ui {

// Caption of the main window and of every message box.
QString programTitle();

// The program's message box: the text, one OK button, no icon, modal to the
// whole application, captioned with the program's title unless told
// otherwise. The wait cursor of a running calculation steps aside while the
// box is open.
calc::ShowMessage messageBoxFor(QWidget* parent, const QString& title = programTitle());

} // namespace ui
