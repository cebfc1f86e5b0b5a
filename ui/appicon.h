// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

namespace ui {

// The program's icon: a half-wave rectified sine with its smoothed output,
// drawn in the 16 VGA colours only so it stays crisp at small sizes. The
// installed icons are rendered from it; the windows take it where no icon
// theme holds those.
QIcon appIcon();

// One square rendering of the icon; the icon itself carries sizes 32 and 16.
QImage appIconImage(int size);

} // namespace ui
