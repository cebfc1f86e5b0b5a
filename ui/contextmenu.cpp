// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/contextmenu.h"

#include "ui/messages.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>

namespace ui {

void popUpMenu(QWidget* owner, QPoint at, const QList<QAction*>& actions)
{
    auto* menu = new QMenu(owner);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(actions);
    menu->popup(owner->mapToGlobal(at));
}

void addCopyMenu(QLabel* box)
{
    auto* copy = new QAction(QString::fromUtf8(messages::Copy), box);
    QObject::connect(copy, &QAction::triggered, box, [box] { QGuiApplication::clipboard()->setText(box->text()); });
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box, &QWidget::customContextMenuRequested, box, [box, copy](QPoint at) {
        // An empty box has nothing to copy.
        copy->setEnabled(!box->text().isEmpty());
        popUpMenu(box, at, {copy});
    });
}

} // namespace ui
