#include "calc/checknumber.h"
#include "calc/module1.h"
#include "calc/rounding.h"
#include "calc/val.h"
#include "tests/calc/messagelog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace {

struct InputRow {
    const char* text;
    int verdict;       // 0 accepted, 1 refused
    const char* shown; // message expected, or nullptr
    double value;      // Val of an accepted text
};

void PrintTo(const InputRow& row, std::ostream* os)
{
    *os << '"' << row.text << '"';
}

class InputRule : public testing::TestWithParam<InputRow> {};

TEST_P(InputRule, VerdictMessageAndValue)
{
    const InputRow& row = GetParam();
    calc::Module1 m;
    m.MsgMissing = "missing";
    m.MsgInvalid = "invalid";
    MessageLog log;
    calc::CheckNumber(m, row.text, log.callback());
    EXPECT_EQ(m.InputError, row.verdict);
    if (row.shown == nullptr) {
        EXPECT_TRUE(log.shown.empty());
        EXPECT_DOUBLE_EQ(calc::Val(row.text), row.value);
    } else {
        ASSERT_EQ(log.shown.size(), 1u) << "one message however many characters are wrong";
        EXPECT_EQ(log.shown[0], row.shown);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, InputRule,
    testing::Values(InputRow{"1.23", 0, nullptr, 1.23}, InputRow{"1E-5", 0, nullptr, 1e-5},
                    InputRow{"5E3", 0, nullptr, 5000}, InputRow{"-3", 0, nullptr, -3}, InputRow{"+5", 0, nullptr, 5},
                    InputRow{".5", 0, nullptr, 0.5}, InputRow{"5.", 0, nullptr, 5}, InputRow{"0", 0, nullptr, 0},
                    InputRow{"1.2.3", 0, nullptr, 1.2}, InputRow{"12-3", 0, nullptr, 12}, InputRow{"1e", 0, nullptr, 1},
                    InputRow{"1e+", 0, nullptr, 1}, InputRow{"2E+2e3", 0, nullptr, 200}, InputRow{"e", 0, nullptr, 0},
                    InputRow{"-", 0, nullptr, 0}, InputRow{"+-.", 0, nullptr, 0}, InputRow{"E.e", 0, nullptr, 0},
                    InputRow{"--5", 0, nullptr, 0}, InputRow{"1E-999", 0, nullptr, 0},
                    InputRow{"0.000E999", 0, nullptr, 0}, InputRow{"", 1, "missing", 0},
                    InputRow{"1,5", 1, "invalid", 0}, InputRow{" 5", 1, "invalid", 0}, InputRow{"5 ", 1, "invalid", 0},
                    InputRow{"1.5V", 1, "invalid", 0}, InputRow{"abc", 1, "invalid", 0},
                    InputRow{"inf", 1, "invalid", 0}, InputRow{"0x1p3", 1, "invalid", 0},
                    InputRow{"\xC2\xB2", 1, "invalid", 0},       // superscript two
                    InputRow{"\xEF\xBC\x95", 1, "invalid", 0})); // full-width five

TEST(Val, BeyondADoubleIsInfiniteAndKeepsItsSign)
{
    EXPECT_EQ(calc::Val("1E999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(calc::Val("-123456E99999999999999999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(calc::Val("0.0001E-400"), 0.0);
    EXPECT_EQ(calc::Val("1.7976931348623157E308"), std::numeric_limits<double>::max());
}

TEST(Val, LongTextsAreCheckedLikeAnyOther)
{
    const std::string digits(40000, '7');
    calc::Module1 m;
    MessageLog log;
    calc::CheckNumber(m, "0." + digits, log.callback());
    EXPECT_EQ(m.InputError, 0);
    EXPECT_NEAR(calc::Val("0." + digits), 0.7777777777777778, 1e-16);
    calc::CheckNumber(m, digits + "x", log.callback());
    EXPECT_EQ(m.InputError, 1);
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
