// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/programfont.h"

#include <QStringList>

namespace ui {

QFont programFont(double pointSize)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace ui
