#include "tests/ui/userinput.h"
#include "ui/appicon.h"
#include "ui/circuitdrawing.h"

// Pixels where a wrong colour or an element moved by one pixel shows; labels, in the font the application
// object gives them, at the first ink of their top row and the last of their bottom row.
TEST(Pictures, CircuitDrawingAndBothIconSizesPixelByPixel)
{
    const QImage image = ui::circuitDrawing(), big = ui::appIcon().pixmap(32).toImage(),
                 small = ui::appIcon().pixmap(16).toImage();
    ASSERT_EQ(image.size(), QSize(367, 277));
    // clang-format off
    const std::tuple<const char*, int, int, QRgb> pins[] = {
        {"frame right", 363, 150, black}, {"left wire", 64, 107, green}, {"upper lead", 64, 108, blue},
        {"top wire", 96, 58, green}, {"diode lead", 97, 58, blue}, {"circle", 48, 140, green},
        {"sine top", 58, 133, green}, {"sine end", 75, 140, green}, {"lower lead", 64, 158, blue},
        {"diode back", 117, 62, green}, {"diode bar", 130, 52, green}, {"plate", 188, 129, green},
        {"plate", 203, 135, green}, {"bottom wire", 230, 206, green}, {"zigzag", 269, 112, green},
        {"past the zigzag", 270, 112, white}, {"dot", 193, 58, blue}, {"dot", 196, 209, blue},
        {"under the dot", 196, 210, white}, {"arrow tip", 312, 74, blue}, {"over the tip", 312, 73, white},
        {"arrow head", 307, 84, blue}, {"arrow foot", 312, 190, blue}, {"under the foot", 312, 191, white},
        {"Vp", 24, 133, blue}, {"Vp", 36, 147, blue}, {"D", 126, 36, blue}, {"D", 132, 47, blue}, {"C", 169, 120, blue},
        {"C", 173, 131, blue}, {"R", 289, 120, blue}, {"R", 297, 131, blue}, {"Vo", 317, 122, blue},
        {"Vo", 332, 133, blue},
    };
    // clang-format on
    for (const auto& [what, x, y, colour] : pins)
        EXPECT_EQ(QColor(image.pixel(x, y)).name(), QColor(colour).name()) << what << " at " << x << ", " << y;
    // The icon's frame, red humps, ripple and axis, each place at 32 and at 16 pixels.
    // clang-format off
    const std::tuple<const char*, int, int, int, int, QRgb> iconPins[] = {
        {"frame", 31, 20, 15, 8, navy}, {"hump top", 7, 4, 3, 4, red}, {"before the hump", 2, 28, 1, 13, white},
        {"hump foot", 10, 28, 5, 13, red}, {"axis", 11, 28, 6, 13, grey}, {"after the axis", 29, 28, 14, 13, white},
        {"ripple", 9, 6, 5, 4, navy}, {"under the ripple", 9, 7, 5, 5, white}, {"sag", 28, 10, 13, 5, navy},
    };
    // clang-format on
    for (const auto& [what, x32, y32, x16, y16, colour] : iconPins)
        EXPECT_EQ(QColor(big.pixel(x32, y32)).name() + QColor(small.pixel(x16, y16)).name(),
                  QColor(colour).name().repeated(2))
            << what;
}
