#include "calc/format.h"

#include <gtest/gtest.h>

namespace {

struct FormatRow {
    double x;
    const char* point;
    const char* comma;
};

TEST(Format, ScientificUnderBothSeparators)
{
    const FormatRow rows[] = {
        {0, "0.00E+00", "0,00E+00"},         {-0.0, "0.00E+00", "0,00E+00"},    {5554.478, "5.55E+03", "5,55E+03"},
        {0.0303588, "3.04E-02", "3,04E-02"}, {-10.2, "-1.02E+01", "-1,02E+01"}, {3194.4444, "3.19E+03", "3,19E+03"},
        {9.999, "1.00E+01", "1,00E+01"},     {1e100, "1.00E+100", "1,00E+100"}, {4.9e-324, "4.94E-324", "4,94E-324"}};
    for (const FormatRow& row : rows) {
        EXPECT_EQ(calc::formatScientific(row.x, '.'), row.point) << row.x;
        EXPECT_EQ(calc::formatScientific(row.x, ','), row.comma) << row.x;
    }
}

TEST(Format, FixedUnderBothSeparators)
{
    const FormatRow rows[] = {{0, "0.00", "0,00"},        {20000, "20000.00", "20000,00"}, // no digit grouping
                              {30.359, "30.36", "30,36"}, {-1.5, "-1.50", "-1,50"},
                              {-0.001, "0.00", "0,00"}, // never a signed zero
                              {-0.0, "0.00", "0,00"},     {0.004999, "0.00", "0,00"}};
    for (const FormatRow& row : rows) {
        EXPECT_EQ(calc::formatFixed(row.x, '.'), row.point) << row.x;
        EXPECT_EQ(calc::formatFixed(row.x, ','), row.comma) << row.x;
    }
}

} // namespace
