// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/plotgeometry.h"

#include <QRect>

namespace ui {

// Positions are laid out in twips: 15 twips to a pixel at 96 dots per inch.
constexpr int px(int twips)
{
    return twips / graphs::TwipsPerPixel;
}

inline QRect twipRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

} // namespace ui
