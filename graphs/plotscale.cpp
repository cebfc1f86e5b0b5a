#include "graphs/plotscale.h"

#include <algorithm>
#include <cmath>

namespace graphs {

namespace {

// Far outside any image, and well inside the painter's fixed-point range.
constexpr double Far = 1 << 20;

// Halves round up, so the rounding never falls as the position grows.
int toPixel(double d)
{
    if (std::isnan(d)) {
        return static_cast<int>(-Far);
    }
    return static_cast<int>(std::floor(std::clamp(d, -Far, Far) + 0.5));
}

double span(int pixels)
{
    return std::max(pixels - 1, 1);
}

} // namespace

int PlotScale::column(float x) const
{
    return toPixel(static_cast<double>(x) * span(width) / 100);
}

int PlotScale::row(float y) const
{
    return toPixel((100 - static_cast<double>(y)) * span(height) / 100);
}

float PlotScale::userX(double deviceX) const
{
    return static_cast<float>(deviceX * 100 / span(width));
}

float PlotScale::userY(double deviceY) const
{
    return static_cast<float>(100 - deviceY * 100 / span(height));
}

} // namespace graphs
