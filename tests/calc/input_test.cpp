#include "calc/checknumber.h"
#include "calc/format.h"
#include "calc/rounding.h"
#include "calc/val.h"
#include "tests/calc/messagelog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// The value of an accepted text (nan where the text is refused), by the field grammar: digits, "e", "E", ".", "-",
// "+" only; the leading number counts.
TEST(Input, CheckNumberAndVal)
{
    const double no = NAN;
    const std::pair<const char*, double> rows[] = {{"0123456789eE.-+", 123456789},
                                                   {"1E-5", 1e-5},
                                                   {"5E3", 5000},
                                                   {"-3", -3},
                                                   {".5", 0.5},
                                                   {"1.2.3", 1.2},
                                                   {"2E+2e3", 200},
                                                   {"--5", 0},
                                                   {"1e", 1},
                                                   {"1E-999", 0},
                                                   {"", no},
                                                   {"1,5", no},
                                                   {" 5", no},
                                                   {"/", no},
                                                   {":", no},
                                                   {"inf", no},
                                                   {"\xC2\xB2", no}};
    for (const auto& [text, value] : rows) {
        MessageLog log;
        EXPECT_EQ(calc::CheckNumber(text, "missing", "invalid", log.callback()), !std::isnan(value)) << text;
        const char* shown = *text == 0 ? "missing" : "invalid";
        EXPECT_EQ(log.shown, std::isnan(value) ? std::vector<std::string>{shown} : std::vector<std::string>{});
        EXPECT_EQ(log.refusals, std::isnan(value) ? 1 : 0);
        if (!std::isnan(value)) {
            EXPECT_DOUBLE_EQ(calc::Val(text), value) << text;
        }
    }
    EXPECT_EQ(calc::Val("-1E999"), -INFINITY);
    EXPECT_EQ(calc::Val("1.7976931348623157E308"), std::numeric_limits<double>::max());
}

TEST(Input, RoundingHalvesToEvenAndReportsOverflow)
{
    EXPECT_EQ(calc::roundToLong(2.5), 2);
    EXPECT_EQ(calc::roundToLong(-3.5), -4);
    EXPECT_EQ(calc::roundToLong(2.5000001), 3);
    EXPECT_EQ(calc::roundToLong(-2147483648.5), -2147483648);
    EXPECT_FALSE(calc::roundToLong(2147483647.5));
    EXPECT_FALSE(calc::roundToLong(NAN));
    EXPECT_EQ(calc::roundToInteger(32767.4), 32767);
    EXPECT_FALSE(calc::roundToInteger(32767.5));
    EXPECT_FALSE(calc::roundToInteger(-32769));
}

// 2^256 has 78 digits: far wider than any result box, as a readout at a tiny f can need.
TEST(Input, ScientificAndFixedUnderAComma)
{
    const std::tuple<double, const char*, const char*> rows[] = {
        {-0.0, "0,00E+00", "0,00"},
        {5554.478, "5,55E+03", "5554,48"},
        {-10.2, "-1,02E+01", "-10,20"},
        {9.999, "1,00E+01", "10,00"},
        {-0.004, "-4,00E-03", "0,00"},
        {4.9e-324, "4,94E-324", "0,00"},
        {0x1p256, "1,16E+77", "115792089237316195423570985008687907853269984665640564039457584007913129639936,00"}};
    for (const auto& [x, scientific, fixed] : rows) {
        EXPECT_EQ(calc::formatScientific(x, ','), scientific);
        EXPECT_EQ(calc::formatFixed(x, ','), fixed);
    }
    EXPECT_EQ(calc::formatScientific(-1.5, '.') + calc::formatFixed(1e5, '.'), "-1.50E+00100000.00");
}

} // namespace
