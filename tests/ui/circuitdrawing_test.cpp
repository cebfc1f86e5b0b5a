#include "ui/appicon.h"
#include "ui/circuitdrawing.h"

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr QRgb white = 0xffffffffu, black = 0xff000000u, green = 0xff008000u, blue = 0xff0000ffu;

struct Pixel {
    int x, y;
    QRgb colour;
};

class CircuitDrawingTest : public testing::Test {
protected:
    // The application object of guitestmain.cpp gives the glyphs their fonts.
    static void SetUpTestSuite() { image = ui::circuitDrawing(); }
    static QRgb at(int x, int y) { return image.pixel(x, y); }
    static inline QImage image;
};

TEST_F(CircuitDrawingTest, LandmarkPixels)
{
    ASSERT_EQ(image.size(), QSize(367, 277));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    // clang-format off
    const Pixel expected[] = {
        {0, 0, black}, {363, 0, black}, {0, 273, black}, {363, 273, black}, {364, 274, white},
        {366, 276, white}, {30, 250, white}, {330, 30, white},
        // wires and leads meet without gaps or overlaps
        {64, 107, green}, {64, 108, blue}, {96, 58, green}, {97, 58, blue}, {196, 106, green},
        {196, 107, blue}, {262, 157, blue}, {230, 206, green},
        // generator circle and sine, diode outline, capacitor plates, zigzag
        {48, 140, green}, {79, 140, green}, {64, 124, green}, {64, 155, green}, {52, 140, green},
        {56, 146, white}, {117, 50, green}, {117, 66, green}, {130, 58, green}, {130, 65, green},
        {121, 58, white}, {188, 129, green}, {203, 135, green}, {196, 132, white}, {204, 135, white},
        {262, 108, green}, {269, 112, green}, {255, 120, green},
        // junction dots and the output arrow
        {196, 58, blue}, {193, 58, blue}, {196, 209, blue}, {312, 74, blue}, {307, 84, blue},
        {317, 84, blue}, {312, 190, blue}, {306, 84, white}, {318, 84, white}, {312, 73, white},
        {312, 191, white},
    };
    // clang-format on
    for (const Pixel& p : expected)
        EXPECT_EQ(at(p.x, p.y), p.colour) << "at (" << p.x << ", " << p.y << ")";
}

TEST_F(CircuitDrawingTest, LabelsAreBlueAndStayInsideTheirBoxes)
{
    const QRect boxes[] = {{QPoint(24, 133), QPoint(41, 147)},
                           {QPoint(126, 36), QPoint(135, 47)},
                           {QPoint(166, 120), QPoint(175, 131)},
                           {QPoint(289, 120), QPoint(297, 131)},
                           {QPoint(317, 122), QPoint(334, 133)}};
    for (const QRect& box : boxes) {
        int inside = 0;
        const QRect ring = box.adjusted(-1, -1, 1, 1);
        for (int y = ring.top(); y <= ring.bottom(); ++y)
            for (int x = ring.left(); x <= ring.right(); ++x) {
                const QRgb c = at(x, y);
                if (box.contains(x, y))
                    inside += c == blue;
                else
                    EXPECT_EQ(c, white) << "outside label box at (" << x << ", " << y << ")";
            }
        EXPECT_GT(inside, 10) << "label box at " << box.x() << ", " << box.y();
    }
}

TEST(AppIconTest, UsesOnlyTheSixteenVgaColours)
{
    const std::set<QRgb> palette = {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                                    0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                                    0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
    for (int size : {32, 16}) {
        const QImage icon = ui::appIconImage(size).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(icon.size(), QSize(size, size));
        std::set<QRgb> used;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                used.insert(icon.pixel(x, y));
        EXPECT_GT(used.size(), 2u) << "size " << size;
        for (QRgb c : used)
            EXPECT_TRUE(palette.count(c)) << "size " << size << " colour " << std::hex << c;
    }
}

} // namespace
