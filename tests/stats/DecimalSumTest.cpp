#include "stats/DecimalSum.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(DecimalSum, AddsExactlyWhereBinaryFloatingPointDrifts) {
    const struct {
        QStringList numbers;
        QString sum;
    } cases[] = {
        {{"0.1", "0.2"}, "0.3"},
        {{}, "0"},
        {{"1234.5", "-1234.5"}, "0"},
        {{"-0.05"}, "-0.05"},
        {{"99999999999999.99", "0.01"}, "100000000000000"},
        {{"0.125", "0.0000000001"}, "0.1250000001"},
    };
    for (const auto& c : cases) {
        DecimalSum sum;
        for (const QString& number : c.numbers) EXPECT_TRUE(sum.Add(number)) << number.toStdString();
        EXPECT_EQ(sum.Text(), c.sum) << c.numbers.join(" + ").toStdString();
    }
    // A million additions of one fen come out exact.
    DecimalSum many;
    for (int i = 0; i < 1'000'000; ++i) many.Add(QStringLiteral("0.01"));
    EXPECT_EQ(many.Text(), "10000");
}

TEST(DecimalSum, RefusesWhatIsNotAPlainNumber) {
    DecimalSum sum;
    for (const char* text : {"", "-", "abc", "1,000", "1e5", "123456789012345678901"})
        EXPECT_FALSE(sum.Add(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(sum.IsZero());
}
