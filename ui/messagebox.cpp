// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/messagebox.h"

#include "ui/messages.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace ui {

QString programTitle()
{
    return QString::fromUtf8(messages::ProgramTitle);
}

calc::ShowMessage messageBoxFor(QWidget* parent, const QString& title)
{
    return [guard = QPointer<QWidget>(parent), title](calc::Severity, const std::string& text) {
        QMessageBox box(QMessageBox::NoIcon, title, QString::fromStdString(text), QMessageBox::Ok, guard.data());
        box.setWindowModality(Qt::ApplicationModal);
        // Some desktop themes put a picture on the OK button; the box has none.
        box.button(QMessageBox::Ok)->setIcon(QIcon());
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        box.exec();
        QGuiApplication::restoreOverrideCursor();
    };
}

} // namespace ui
