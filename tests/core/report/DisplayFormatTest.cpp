#include "report/DisplayFormat.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace kesvar::report;

TEST(DisplayFormat, FormatsNumbersDatesAndNulls)
{
    struct Case { QVariant value; const char *format; const char *text; };
    const Case cases[] = {
        {1234567.891, "%2.2n", "1,234,567.89"},
        {-1234567.891, "%2.2n", "-1,234,567.89"},
        {999.995, "%2.2n", "1,000.00"},
        {12.5, "%2.2n", "12.50"},
        {1234567.891, "#n%2.2n", "1,234,567.89"},
        {1234.5, "%2.2f", "1234.50"},
        {2.675, "%2.2f", "2.68"},
        {-0.001, "%2.2f", "0.00"},
        {3.14159, "%0.3f", "3.142"},
        {42.6, "%d", "43"},
        {1234.5, "0.00", "1234.50"},
        {1234.5, "#,##0.00", "1,234.50"},
        {4500.0, "", "4500"},
        {0.1 + 0.2, "", "0.3"},
        {qlonglong(7), "%2.2f", "7.00"},
        {QVariant(QDate(2026, 3, 9)), "", "2026-03-09"},
        {QVariant(QStringLiteral("2026-03-09")), "%2.2f", "2026-03-09"},
        {QVariant(), "%2.2f", ""},
        {QVariant(QMetaType(QMetaType::Double)), "%2.2f", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DisplayFormat::apply(c.value, QString::fromUtf8(c.format)), QString::fromUtf8(c.text))
            << c.value.toString().toStdString() << " " << c.format;
}
