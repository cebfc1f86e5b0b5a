#pragma once

#include <QImage>
#include <QRect>

// Pixels of the given colour in the image, or in the part of it that area
// covers.
inline int countPixels(const QImage& image, QRgb colour, QRect area = {})
{
    area = area.isNull() ? image.rect() : area & image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += image.pixel(x, y) == colour;
        }
    }
    return n;
}

// One whole row of pixels.
inline QRect pixelRow(const QImage& image, int y)
{
    return {0, y, image.width(), 1};
}

// Pixels that differ between two images of one size.
inline int differingPixels(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            n += a.pixel(x, y) != b.pixel(x, y);
        }
    }
    return n;
}
