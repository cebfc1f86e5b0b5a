// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/decimalseparator.h"

#include <QLocale>
#include <QString>

namespace ui {

char decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? point[0].toLatin1() : '.';
}

} // namespace ui
