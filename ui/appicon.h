// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

namespace ui {

// Window icon: a half-wave rectified sine with its smoothed output, drawn in
// the 16 VGA colours only so it stays crisp at small sizes.
QIcon appIcon();

// One square rendering of the icon; the icon itself carries sizes 32 and 16.
QImage appIconImage(int size);

} // namespace ui
