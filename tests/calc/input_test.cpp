#include "calc/checknumber.h"
#include "calc/module1.h"
#include "calc/rounding.h"
#include "calc/val.h"
#include "tests/calc/messagelog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

// Val of an accepted text, or the one message of a refused one.
TEST(InputRule, VerdictMessageAndValue)
{
    struct Row {
        const char* text;
        const char* shown;
        double value;
    };
    const Row rows[] = {
        {"1.23", nullptr, 1.23},  {"1E-5", nullptr, 1e-5}, {"5E3", nullptr, 5000},     {"-3", nullptr, -3},
        {"+5", nullptr, 5},       {".5", nullptr, 0.5},    {"5.", nullptr, 5},         {"0", nullptr, 0},
        {"1.2.3", nullptr, 1.2},  {"12-3", nullptr, 12},   {"1e", nullptr, 1},         {"1e+", nullptr, 1},
        {"2E+2e3", nullptr, 200}, {"e", nullptr, 0},       {"-", nullptr, 0},          {"+-.", nullptr, 0},
        {"--5", nullptr, 0},      {"1E-999", nullptr, 0},  {"0.000E999", nullptr, 0},  {"", "missing", 0},
        {"1,5", "invalid", 0},    {" 5", "invalid", 0},    {"5 ", "invalid", 0},       {"1.5V", "invalid", 0},
        {"inf", "invalid", 0},    {"0x1p3", "invalid", 0}, {"\xC2\xB2", "invalid", 0}, // superscript two
    };
    for (const Row& row : rows) {
        calc::Module1 m;
        m.MsgMissing = "missing";
        m.MsgInvalid = "invalid";
        MessageLog log;
        calc::CheckNumber(m, row.text, log.callback());
        EXPECT_EQ(m.InputError, row.shown == nullptr ? 0 : 1) << row.text;
        EXPECT_EQ(log.shown, row.shown == nullptr ? std::vector<std::string>{} : std::vector<std::string>{row.shown})
            << row.text;
        if (row.shown == nullptr) {
            EXPECT_DOUBLE_EQ(calc::Val(row.text), row.value) << row.text;
        }
    }
}

TEST(Val, BeyondADoubleIsInfiniteAndKeepsItsSign)
{
    EXPECT_EQ(calc::Val("1E999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(calc::Val("-123456E99999999999999999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(calc::Val("0.0001E-400"), 0.0);
    EXPECT_EQ(calc::Val("1.7976931348623157E308"), std::numeric_limits<double>::max());
}

TEST(Rounding, HalvesGoToTheEvenNeighbourAndOverflowIsReported)
{
    EXPECT_EQ(calc::roundToLong(2.5), 2);
    EXPECT_EQ(calc::roundToLong(3.5), 4);
    EXPECT_EQ(calc::roundToLong(10000.5), 10000);
    EXPECT_EQ(calc::roundToLong(-2.5), -2);
    EXPECT_EQ(calc::roundToLong(2.5000001), 3);
    EXPECT_EQ(calc::roundToLong(2147483647.4), 2147483647);
    EXPECT_FALSE(calc::roundToLong(2147483647.5)); // the even neighbour is out of range
    EXPECT_EQ(calc::roundToLong(-2147483648.5), -2147483648);
    EXPECT_FALSE(calc::roundToLong(std::nan("")));
    EXPECT_FALSE(calc::roundToLong(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(calc::roundToInteger(32767.4), 32767);
    EXPECT_FALSE(calc::roundToInteger(32767.5));
    EXPECT_EQ(calc::roundToInteger(-32768.5), -32768);
    EXPECT_FALSE(calc::roundToInteger(-32769));
}

} // namespace
