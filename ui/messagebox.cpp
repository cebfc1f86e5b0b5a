#include "ui/messagebox.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>

namespace ui {

QString programTitle()
{
    return QStringLiteral("Raddrizzatore a singola semionda");
}

calc::ShowMessage messageBoxFor(QWidget* parent)
{
    return [guard = QPointer<QWidget>(parent)](const std::string& text) {
        QMessageBox box(QMessageBox::NoIcon, programTitle(), QString::fromStdString(text), QMessageBox::Ok,
                        guard.data());
        box.setWindowModality(Qt::ApplicationModal);
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        box.exec();
        QGuiApplication::restoreOverrideCursor();
    };
}

} // namespace ui
