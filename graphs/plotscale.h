#pragma once

// The plot area's user scale, (0, 100) at the top left and (100, 0) at the
// bottom right, over its inner rectangle of device pixels. The scale's edges
// fall on the centres of the edge pixels, so marks at 0 and 100 stay visible.

namespace graphs {

struct PlotScale {
    int width = 1;  // device pixels
    int height = 1; // device pixels

    // Nearest device pixel; far-off points are held a long way outside the
    // image, never wrapped.
    int column(float x) const;
    int row(float y) const;

    // From a device position (fractional pixels) back to the user scale.
    float userX(double deviceX) const;
    float userY(double deviceY) const;
};

} // namespace graphs
