// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace graphs {

// The sans-serif faces the program's texts are drawn in, the first one found.
inline QStringList sansFaces()
{
    return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}

} // namespace graphs
