// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>

class QAction;
class QLabel;
class QWidget;

namespace ui {

// Opens a context menu of the given actions at a point of owner. The menu
// pops up and returns at once, so no nested event loop waits for the user;
// it goes away when closed.
void popUpMenu(QWidget* owner, QPoint at, const QList<QAction*>& actions);

// A right-click on a result box offers "Copia", which puts the box's whole
// text on the clipboard, selected or not.
void addCopyMenu(QLabel* box);

} // namespace ui
