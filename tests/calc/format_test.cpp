#include "calc/format.h"

#include <gtest/gtest.h>

namespace {

// Each number as the result boxes and as the readout show it, under a comma.
TEST(Format, ScientificAndFixed)
{
    const std::tuple<double, const char*, const char*> rows[] = {
        {0, "0,00E+00", "0,00"},         {-0.0, "0,00E+00", "0,00"},      {5554.478, "5,55E+03", "5554,48"},
        {0.0303588, "3,04E-02", "0,03"}, {-10.2, "-1,02E+01", "-10,20"},  {9.999, "1,00E+01", "10,00"},
        {1e100, "1,00E+100", nullptr},   {4.9e-324, "4,94E-324", "0,00"}, {20000, "2,00E+04", "20000,00"},
        {-0.001, "-1,00E-03", "0,00"},   {0.004999, "5,00E-03", "0,00"},  {30.359, "3,04E+01", "30,36"},
    };
    for (const auto& [x, scientific, fixed] : rows) {
        EXPECT_EQ(calc::formatScientific(x, ','), scientific) << x;
        if (fixed != nullptr) {
            EXPECT_EQ(calc::formatFixed(x, ','), fixed) << x;
        }
    }
    EXPECT_EQ(calc::formatScientific(-10.2, '.') + calc::formatFixed(-1.5, '.'), "-1.02E+01-1.50");
}

} // namespace
