// Amounts in Chinese capitals and reading them back.
#include "content/Amounts.h"

#include "QStringPrinting.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

const ConversionSettings kSettings;

TEST(CapitalAmount, WritesCapitalsWithUnits) {
    EXPECT_EQ(CapitalAmount("1234.50", "元", kSettings), "壹仟贰佰叁拾肆元伍角整");
    EXPECT_EQ(CapitalAmount("100000", "元", kSettings), "壹拾万元整");
    EXPECT_EQ(CapitalAmount("0", "元", kSettings), "零元整");
    EXPECT_EQ(CapitalAmount("0.5", "元", kSettings), "伍角整");
    EXPECT_EQ(CapitalAmount("0.05", "元", kSettings), "伍分");
    EXPECT_EQ(CapitalAmount("12.34", "圆", kSettings), "壹拾贰圆叁角肆分");
    EXPECT_EQ(CapitalAmount("12.04", "元", kSettings), "壹拾贰元零肆分");
    EXPECT_EQ(CapitalAmount("100.05", "元", kSettings), "壹佰元零伍分");
    EXPECT_EQ(CapitalAmount("100000000", "元", kSettings), "壹亿元整");
    EXPECT_EQ(CapitalAmount("1000000001", "元", kSettings), "壹拾亿零壹元整");
    EXPECT_EQ(CapitalAmount("100050000", "元", kSettings), "壹亿零伍万元整");
    EXPECT_EQ(CapitalAmount("-1234.5", "元", kSettings), "-壹仟贰佰叁拾肆元伍角整");
    EXPECT_EQ(CapitalAmount("￥-1,234.50", "元", kSettings), "-壹仟贰佰叁拾肆元伍角整");
    EXPECT_EQ(CapitalAmount("", "元", kSettings), "");
}

TEST(CapitalAmount, LeavesCapitalsAndOversizedAmountsAlone) {
    EXPECT_EQ(CapitalAmount("壹拾万元整", "元", kSettings), "壹拾万元整");
    EXPECT_EQ(CapitalAmount("-伍角整", "元", kSettings), "-伍角整");
    // 15 positions are the most the units reach (below 10^13 yuan).
    EXPECT_EQ(CapitalAmount("9999999999999.99", "元", kSettings),
              "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分");
    EXPECT_EQ(CapitalAmount("10000000000000", "元", kSettings), "10000000000000");
    const QString huge(300, u'8');
    EXPECT_EQ(CapitalAmount(huge, "元", kSettings), huge);
}

TEST(CapitalDigits, PadsToPositionsAndKeepsLongerAmountsWhole) {
    EXPECT_EQ(CapitalDigits("12.5", 8, kSettings), "零零零零壹贰伍零");
    EXPECT_EQ(CapitalDigits("12345678.9", 4, kSettings), "壹贰叁肆伍陆柒捌玖零");
    EXPECT_EQ(CapitalDigits("1.005", 4, kSettings), "零壹零壹");
    EXPECT_EQ(CapitalDigits("-12.5", 6, kSettings), "-零零壹贰伍零");
    EXPECT_EQ(CapitalDigits("-零零壹贰伍零", 6, kSettings), "-零零壹贰伍零");
    EXPECT_EQ(CapitalDigits("零零壹贰伍零", 6, kSettings), "零零壹贰伍零");
    EXPECT_EQ(CapitalDigits("", 6, kSettings), "");
}

TEST(DigitsToCapitals, BothDirections) {
    EXPECT_EQ(DigitsToCapitals("2023-05", 0), "贰零贰叁-零伍");
    EXPECT_EQ(DigitsToCapitals("贰零贰叁年", -10), "2023年");
    EXPECT_EQ(DigitsToCapitals("拾伍", -1), "15");
    EXPECT_EQ(DigitsToCapitals("贰拾", -1), "20");
    EXPECT_EQ(DigitsToCapitals("贰拾叁", -1), "23");
    EXPECT_EQ(DigitsToCapitals("零伍", -1), "5");
}

TEST(CapitalToNumber, ReadsEveryCapitalForm) {
    EXPECT_EQ(CapitalToNumber("壹仟贰佰叁拾肆元伍角整", 103), "1234.5");
    EXPECT_EQ(CapitalToNumber("壹拾贰圆叁角肆分", 120), "12.34");
    EXPECT_EQ(CapitalToNumber("拾伍元整", 103), "15");
    EXPECT_EQ(CapitalToNumber("伍角整", 103), "0.5");
    EXPECT_EQ(CapitalToNumber("零元整", 103), "0");
    EXPECT_EQ(CapitalToNumber("-壹佰元零伍分", 103), "-100.05");
    EXPECT_EQ(CapitalToNumber("零零零零壹贰伍零", 114.08), "12.5");
    EXPECT_EQ(CapitalToNumber("-零零壹贰伍零", 114.06), "-12.5");
    EXPECT_EQ(CapitalToNumber("零零壹贰", 121.04), "12");
    // Not a capital amount: handed back for the caller to read.
    EXPECT_EQ(CapitalToNumber("1234.5", 103), "1234.5");
    EXPECT_EQ(CapitalToNumber("壹仟", 104), "壹仟");
    // Nonsense that would overflow any integer is not wrapped around.
    const QString overflowing = QString("玖亿").repeated(30);
    EXPECT_EQ(CapitalToNumber(overflowing, 103), overflowing);
}

// Shortest form of an amount in fen, written independently of the conversions.
QString Shortest(qint64 fen) {
    QString text = QString::number(std::abs(fen) / 100);
    const qint64 cents = std::abs(fen) % 100;
    if (cents % 10) text += QStringLiteral(".%1").arg(cents, 2, 10, QChar(u'0'));
    else if (cents) text += QStringLiteral(".%1").arg(cents / 10);
    return fen < 0 ? u'-' + text : text;
}

// Every amount written in capitals reads back as itself: 100 000 amounts from 0.00 to
// 99 999 999 999.99 with their negatives, in both units and as plain capital digits.
TEST(CapitalToNumber, RoundTripsRandomAmounts) {
    std::mt19937_64 random(20240607);
    // Half the draws favour amounts with runs of zeros, where the 零 rules bite.
    std::uniform_int_distribution<qint64> anyFen(0, 9'999'999'999'999);
    std::uniform_int_distribution<int> digitCount(1, 13), sparse(0, 3);
    int failures = 0;
    for (int i = 0; i < 100'000 && failures < 10; ++i) {
        qint64 fen = anyFen(random);
        if (i % 2) {
            fen = 0;
            for (int d = digitCount(random); d > 0; --d) fen = fen * 10 + (sparse(random) == 0 ? random() % 10 : 0);
        }
        for (const qint64 signedFen : {fen, -fen}) {
            const QString amount = Shortest(signedFen);
            const QString yuan = CapitalAmount(amount, "元", kSettings);
            const QString formal = CapitalAmount(amount, "圆", kSettings);
            const QString digits = CapitalDigits(amount, 15, kSettings);
            const bool ok = CapitalToNumber(yuan, 103) == amount && CapitalToNumber(formal, 120) == amount &&
                            CapitalToNumber(digits, 114.15) == amount && !yuan.contains("零零");
            if (!ok) {
                ++failures;
                ADD_FAILURE() << amount.toStdString() << " -> " << yuan.toStdString() << " / "
                              << formal.toStdString() << " / " << digits.toStdString();
            }
        }
    }
}

}  // namespace
