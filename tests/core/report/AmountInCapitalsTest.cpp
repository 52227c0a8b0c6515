#include "bills/AmountInCapitals.h"

#include <gtest/gtest.h>
#include <limits>

using kesvar::AmountInCapitals;

TEST(AmountInCapitals, WritesAmountsAsFinancialDocumentsRequire)
{
    struct Case { double amount; const char *text; };
    const Case cases[] = {
        {1234.5, "人民币壹仟贰佰叁拾肆元伍角"},
        {100, "人民币壹佰元整"},
        {1005, "人民币壹仟零伍元整"},
        {10.05, "人民币壹拾元零伍分"},
        {3.07, "人民币叁元零柒分"},
        {20.3, "人民币贰拾元叁角"},
        {0.5, "人民币元伍角"},
        {0, "人民币元整"},
        {10001, "人民币壹万零壹元整"},
        {100000, "人民币壹拾万元整"},
        {101010.1, "人民币壹拾万壹仟零壹拾元壹角"},
        {100000000, "人民币壹亿万元整"},
        {999999999999.99, "人民币玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
        {-5, "-人民币伍元整"},
        // rounding to cents happens first, halves away from zero on the decimal value
        {2.675, "人民币贰元陆角捌分"},
        {0.004, "人民币元整"},
        {0.005, "人民币元零壹分"},
        {9.999, "人民币壹拾元整"},
        {-0.001, "人民币元整"},
        {-1234.5, "-人民币壹仟贰佰叁拾肆元伍角"},
        // beyond the table: 万 and 亿 continue in turn
        {1e12, "人民币壹万亿万元整"},
        {12345678901234.0, "人民币壹拾贰万叁仟肆佰伍拾陆亿柒仟捌佰玖拾万壹仟贰佰叁拾肆元整"},
        {1e16, "人民币壹亿万亿万元整"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(AmountInCapitals(c.amount), QString::fromUtf8(c.text)) << c.amount;
}

TEST(AmountInCapitals, NotANumberGivesNothing)
{
    EXPECT_TRUE(AmountInCapitals(std::numeric_limits<double>::quiet_NaN()).isEmpty());
    EXPECT_TRUE(AmountInCapitals(std::numeric_limits<double>::infinity()).isEmpty());
}
