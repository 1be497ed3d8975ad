// Amounts in Chinese capitals and reading them back.
#include "content/Amounts.h"

#include "QStringPrinting.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

const ConversionSettings kSettings;

TEST(CapitalAmount, WritesCapitalsWithUnitsAndLeavesOthersAlone) {
    const std::pair<QString, QString> rows[] = {
        {"1234.50", "壹仟贰佰叁拾肆元伍角整"}, {"100000", "壹拾万元整"}, {"0", "零元整"}, {"0.5", "伍角整"},
        {"0.05", "伍分"}, {"12.04", "壹拾贰元零肆分"}, {"100.05", "壹佰元零伍分"}, {"100000000", "壹亿元整"},
        {"1000000001", "壹拾亿零壹元整"}, {"100050000", "壹亿零伍万元整"}, {"￥-1,234.50", "-壹仟贰佰叁拾肆元伍角整"},
        // Ten thousand million and more: a 零 never stands before 亿, nor an empty 万 after it.
        {"10000000000", "壹佰亿元整"}, {"200000000000.5", "贰仟亿元伍角整"}, {"10000050000", "壹佰亿零伍万元整"},
        {"1000000000000", "壹万亿元整"}, {"1000100000000", "壹万零壹亿元整"}, {"1000000000001", "壹万亿零壹元整"},
        {"", ""}, {"壹拾万元整", "壹拾万元整"}, {"-伍角整", "-伍角整"},
        // 15 positions are the most the units reach (below 10^13 yuan).
        {"9999999999999.99", "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
        {"10000000000000", "10000000000000"}, {QString(300, u'8'), QString(300, u'8')}};
    for (const auto& [in, out] : rows) EXPECT_EQ(CapitalAmount(in, "元", kSettings), out) << in.left(20).toStdString();
    EXPECT_EQ(CapitalAmount("12.34", "圆", kSettings), "壹拾贰圆叁角肆分");
}

TEST(CapitalDigits, PadsToPositionsBothDirections) {
    EXPECT_EQ(CapitalDigits("12.5", 8, kSettings), "零零零零壹贰伍零");
    EXPECT_EQ(CapitalDigits("12345678.9", 4, kSettings), "壹贰叁肆伍陆柒捌玖零");
    EXPECT_EQ(CapitalDigits("1.005", 4, kSettings), "零壹零壹");
    EXPECT_EQ(CapitalDigits("-12.5", 6, kSettings), "-零零壹贰伍零");
    EXPECT_EQ(CapitalDigits("-零零壹贰伍零", 6, kSettings), "-零零壹贰伍零");
    EXPECT_EQ(DigitsToCapitals("2023-05", 0), "贰零贰叁-零伍");
    EXPECT_EQ(DigitsToCapitals("贰零贰叁年", -10), "2023年");
    for (const auto& [in, out] : {std::pair{"拾伍", "15"}, {"贰拾", "20"}, {"贰拾叁", "23"}, {"零伍", "5"}})
        EXPECT_EQ(DigitsToCapitals(in, -1), out);
}

TEST(CapitalToNumber, ReadsEveryCapitalForm) {
    struct Row { QString in; double type; QString out; };
    const Row rows[] = {
        {"壹仟贰佰叁拾肆元伍角整", 103, "1234.5"}, {"壹拾贰圆叁角肆分", 120, "12.34"}, {"拾伍元整", 103, "15"},
        {"零元整", 103, "0"}, {"-壹佰元零伍分", 103, "-100.05"}, {"-零零壹贰伍零", 114.06, "-12.5"},
        {"零零壹贰", 121.04, "12"},
        // Not a capital amount, or nonsense that would overflow: handed back unchanged.
        {"1234.5", 103, "1234.5"}, {"壹仟", 104, "壹仟"}, {QString("玖亿").repeated(30), 103, QString("玖亿").repeated(30)}};
    for (const Row& r : rows) EXPECT_EQ(CapitalToNumber(r.in, r.type), r.out) << r.in.toStdString();
}

// Shortest form of an amount in fen, written independently of the conversions.
QString Shortest(qint64 fen) {
    QString text = QString::number(std::abs(fen) / 100);
    const qint64 cents = std::abs(fen) % 100;
    if (cents % 10) text += QStringLiteral(".%1").arg(cents, 2, 10, QChar(u'0'));
    else if (cents) text += QStringLiteral(".%1").arg(cents / 10);
    return fen < 0 ? u'-' + text : text;
}

// The form a cheque expects, built group by group rather than digit by digit: the
// yuan split into 亿, 万 and units groups of four (the 亿 group may reach 万亿), each
// group with 仟佰拾, one 零 wherever zeros stand between two non-zero digits, also
// across groups, but none between 元 and 角.
QString ExpectedCapitals(qint64 fen) {
    const QString digits = QStringLiteral("零壹贰叁肆伍陆柒捌玖");
    const qint64 yuan = fen / 100, jiao = fen / 10 % 10, cent = fen % 10;
    if (fen == 0) return QStringLiteral("零元整");
    QString text;
    bool zeroPending = false;  // a zero digit since the last non-zero one
    // Appends a group of up to four digits, its highest place `top` (3 = 仟).
    const auto group = [&](qint64 value, int top) {
        const QString places = QStringLiteral("仟佰拾");
        for (int place = top; place >= 0; --place) {
            qint64 power = 1;
            for (int i = 0; i < place; ++i) power *= 10;
            const qint64 digit = value / power % 10;
            if (digit == 0) {
                zeroPending = !text.isEmpty();
                continue;
            }
            if (zeroPending) text += u'零';
            zeroPending = false;
            text += digits[int(digit)];
            if (place > 0) text += places[3 - place];
        }
    };
    const qint64 yi = yuan / 100'000'000, wan = yuan / 10'000 % 10'000, units = yuan % 10'000;
    if (yi >= 10'000) {
        group(yi / 10'000, 3);
        text += u'万';
    }
    if (yi > 0) {
        group(yi % 10'000, 3);
        text += u'亿';
    }
    if (wan > 0) {
        group(wan, 3);
        text += u'万';
    } else if (yi > 0) {
        zeroPending = true;
    }
    group(units, 3);
    if (yuan > 0) text += u'元';
    if (jiao > 0) text += digits[int(jiao)] + QStringLiteral("角");
    if (cent > 0) {
        if (jiao == 0 && yuan > 0) text += u'零';
        return text + digits[int(cent)] + QStringLiteral("分");
    }
    return text + u'整';
}

TEST(CapitalAmount, ExpectedFormsOfTheCheck) {
    // The check itself, on the forms the rules above are made of.
    constexpr qint64 kYuan = 100;
    const std::pair<qint64, QString> rows[] = {
        {100'000'000 * kYuan, "壹亿元整"}, {100'000'001 * kYuan, "壹亿零壹元整"}, {12'003'000 * kYuan, "壹仟贰佰万零叁仟元整"},
        {10'000'050'000 * kYuan, "壹佰亿零伍万元整"}, {1'000'000'000'000 * kYuan, "壹万亿元整"},
        {1680 * kYuan + 32, "壹仟陆佰捌拾元叁角贰分"}, {100 * kYuan + 5, "壹佰元零伍分"}, {5, "伍分"}, {50, "伍角整"},
        {0, "零元整"}};
    for (const auto& [fen, form] : rows) EXPECT_EQ(ExpectedCapitals(fen), form) << fen;
}

// Every amount written in capitals has the expected form and reads back as itself:
// 100 000 amounts over all 15 positions (up to 9 999 999 999 999.99) with their
// negatives, in both units and as plain capital digits.
TEST(CapitalToNumber, RoundTripsRandomAmounts) {
    std::mt19937_64 random(20240607);
    // Half the draws favour amounts with runs of zeros, where the 零 rules bite.
    std::uniform_int_distribution<qint64> anyFen(0, 999'999'999'999'999);
    std::uniform_int_distribution<int> digitCount(1, 15), sparse(0, 3);
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
            const QString expected = (signedFen < 0 ? "-" : "") + ExpectedCapitals(fen);
            const bool ok = yuan == expected && CapitalToNumber(yuan, 103) == amount &&
                            CapitalToNumber(formal, 120) == amount && CapitalToNumber(digits, 114.15) == amount;
            if (!ok && ++failures)
                ADD_FAILURE() << amount.toStdString() << " -> " << yuan.toStdString() << " / "
                              << formal.toStdString() << " / " << digits.toStdString() << ", expected "
                              << expected.toStdString();
        }
    }
}

}  // namespace
