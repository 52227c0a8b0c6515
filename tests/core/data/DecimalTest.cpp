#include "data/Decimal.h"

#include <gtest/gtest.h>

using namespace kesvar;

struct RoundCase
{
    double value;
    int places;
    double expected;
    const char *text;
};

class DecimalRound : public ::testing::TestWithParam<RoundCase> {};

TEST_P(DecimalRound, HalvesAwayFromZeroOnTheDecimalValue)
{
    const RoundCase c = GetParam();
    EXPECT_DOUBLE_EQ(Decimal::round(c.value, c.places), c.expected);
    EXPECT_EQ(Decimal::format(c.value, c.places).toStdString(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, DecimalRound, ::testing::Values(
    RoundCase{2.5, 0, 3, "3"},
    RoundCase{-2.5, 0, -3, "-3"},
    RoundCase{3.14159, 2, 3.14, "3.14"},
    RoundCase{2.675, 2, 2.68, "2.68"},     // binary 2.67499999...
    RoundCase{1.005, 2, 1.01, "1.01"},
    RoundCase{-1.005, 2, -1.01, "-1.01"},
    RoundCase{0.0, 2, 0, "0.00"},
    RoundCase{-0.004, 2, 0, "0.00"},
    RoundCase{999.995, 2, 1000, "1000.00"},
    RoundCase{1234567.125, 2, 1234567.13, "1234567.13"},
    RoundCase{0.000125, 4, 0.0001, "0.0001"},
    RoundCase{0.00015, 4, 0.0002, "0.0002"},
    RoundCase{1e-20, 2, 0, "0.00"},
    RoundCase{12.0, 0, 12, "12"},
    RoundCase{0.1 + 0.2, 2, 0.3, "0.30"}));
