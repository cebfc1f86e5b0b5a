#include "tests/ui/userinput.h"
#include "ui/appicon.h"
#include "ui/circuitdrawing.h"

#include <QImage>

#include <gtest/gtest.h>

#include <tuple>

namespace {

constexpr QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0), green = qRgb(0, 128, 0), blue = qRgb(0, 0, 255),
               navy = qRgb(0, 0, 128), red = qRgb(255, 0, 0), grey = qRgb(128, 128, 128);

// The application object of guitestmain.cpp gives the labels their font.
TEST(CircuitDrawing, WiresLeadsComponentsAndLabelsWhereTheyBelong)
{
    const QImage image = ui::circuitDrawing();
    ASSERT_EQ(image.size(), QSize(367, 277));
    // clang-format off
    const std::tuple<int, int, QRgb> pins[] = {
        {0, 0, black}, {363, 273, black}, {364, 274, white},                                  // frame
        {64, 107, green}, {64, 108, blue}, {96, 58, green}, {97, 58, blue}, {262, 157, blue}, // wires meet leads
        {48, 140, green}, {79, 140, green}, {56, 146, white}, {52, 140, green},               // generator, sine
        {117, 66, green}, {130, 58, green}, {121, 58, white}, {130, 65, green},               // diode
        {188, 129, green}, {203, 135, green}, {196, 132, white}, {204, 135, white},           // capacitor plates
        {262, 108, green}, {269, 112, green}, {255, 120, green},                              // zigzag
        {193, 58, blue}, {192, 58, green}, {196, 209, blue}, {196, 210, white},               // junction dots
        {312, 74, blue}, {307, 84, blue}, {317, 84, blue}, {306, 84, white}, {312, 73, white}, {312, 191, white},
        {24, 133, blue}, {23, 133, white}, {41, 137, blue}, {42, 137, white}, {36, 147, blue}, {36, 148, white}, // Vp
        {126, 36, blue}, {125, 36, white}, {135, 39, blue}, {136, 39, white}, {126, 47, blue}, {126, 48, white}, // D
        {166, 124, blue}, {165, 124, white}, {175, 121, blue}, {176, 121, white}, {170, 131, blue},             // C
        {289, 120, blue}, {288, 120, white}, {297, 122, blue}, {298, 122, white}, {297, 131, blue},             // R
        {317, 122, blue}, {316, 122, white}, {333, 126, blue}, {334, 126, white}, {322, 133, blue}, {322, 134, white},
    };
    // clang-format on
    for (const auto& [x, y, colour] : pins)
        EXPECT_EQ(QColor(image.pixel(x, y)).name(), QColor(colour).name()) << "at (" << x << ", " << y << ")";
}

// Both sizes of the icon: a frame, red half-wave humps with the ripple over
// them, the axis beneath.
TEST(AppIcon, BothSizesShowTheRectifiedHumpsAndTheirRipple)
{
    // clang-format off
    const std::tuple<int, int, int, QRgb> pins[] = {
        {32, 0, 0, navy}, {32, 31, 31, navy}, {32, 7, 4, red}, {32, 8, 5, navy}, {32, 9, 6, navy}, {32, 9, 7, white},
        {32, 6, 5, red}, {32, 17, 11, navy}, {32, 28, 9, navy}, {32, 3, 28, red}, {32, 11, 28, grey},
        {32, 29, 28, white}, {16, 0, 15, navy}, {16, 3, 4, red}, {16, 5, 4, navy}, {16, 5, 5, white},
        {16, 6, 5, navy}, {16, 8, 6, navy}, {16, 7, 6, white}, {16, 1, 9, white}, {16, 2, 9, red}, {16, 6, 13, grey},
        {16, 14, 13, white},
    };
    // clang-format on
    for (const auto& [size, x, y, colour] : pins) {
        const QImage icon = ui::appIcon().pixmap(size).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(QColor(icon.pixel(x, y)).name(), QColor(colour).name()) << size << " at (" << x << ", " << y << ")";
    }
}

} // namespace
