// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The plot area's user scale, (0, 100) at the top left and (100, 0) at the
// bottom right, over its inner rectangle of device pixels. The scale's edges
// fall on the centres of the edge pixels, so marks at 0 and 100 stay visible.

#include <algorithm>
#include <cmath>

namespace graphs {

struct PlotScale {
    int width = 1;  // device pixels
    int height = 1; // device pixels

    // Nearest device pixel; far-off points are held a long way outside the
    // image, never wrapped.
    int column(float x) const { return toPixel(static_cast<double>(x) * span(width) / 100); }
    int row(float y) const { return toPixel((100 - static_cast<double>(y)) * span(height) / 100); }

    // From a device position (fractional pixels) back to the user scale.
    float userX(double deviceX) const { return static_cast<float>(deviceX * 100 / span(width)); }
    float userY(double deviceY) const { return static_cast<float>(100 - deviceY * 100 / span(height)); }

private:
    // Far outside any image, and well inside the painter's fixed-point range.
    static constexpr double Far = 1 << 20;

    static double span(int pixels) { return std::max(pixels - 1, 1); }

    // Halves round up, so the rounding never falls as the position grows.
    static int toPixel(double d)
    {
        if (std::isnan(d)) {
            return static_cast<int>(-Far);
        }
        return static_cast<int>(std::floor(std::clamp(d, -Far, Far) + 0.5));
    }
};

} // namespace graphs
