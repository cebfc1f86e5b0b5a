// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/programfont.h"

#include "graphs/fontfaces.h"

#include <QStringList>

namespace ui {

QFont programFont(double pointSize)
{
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("MS Sans Serif")} + graphs::sansFaces());
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace ui
