// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

void installQtTranslations(QGuiApplication& app)
{
    // Italian whatever the system language, so Qt's own texts match the
    // program's; the user's locale keeps the numbers' decimal separator.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
    // A right-to-left system language would mirror the windows and boxes.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

} // namespace ui
