// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QGuiApplication;

namespace ui {

// Qt's own texts (the fields' context menus, the file and print dialogs, the
// boxes' buttons) in Italian under every system language, when the system has
// Qt's Italian translation; otherwise they stay in English. The layout stays
// left to right.
void installQtTranslations(QGuiApplication& app);

} // namespace ui
