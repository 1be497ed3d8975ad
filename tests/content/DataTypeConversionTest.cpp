// What data type codes carry, and converting box texts by data type.
#include "content/Conversions.h"
#include "content/DataTypes.h"
#include "content/LineStyles.h"

#include "QStringPrinting.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

ConversionSettings FixedDay() {
    ConversionSettings settings;
    settings.today = QDate(2023, 7, 14);
    return settings;
}

TEST(DataTypes, BordersCellCountsAndEditorEntries) {
    for (double bordered : {0.5, 11.0, 208.0, 399.9}) EXPECT_TRUE(HasSingleBorder(bordered)) << bordered;
    for (double plain : {0.0, 100.0, 400.0, -5.0, kNaN}) EXPECT_FALSE(HasSingleBorder(plain)) << plain;
    EXPECT_EQ(DigitCellCount(208), 8);
    EXPECT_EQ(DigitCellCount(109), 0);
    // What the editor stores reads back as what it was given, and finds its list entry.
    EXPECT_DOUBLE_EQ(DataTypeWithCount(114, 10), 114.1);
    EXPECT_EQ(DataTypeWithCount(103, 5), 103);
    for (int n = 0; n <= 99; ++n) {
        EXPECT_EQ(CapitalDigitsCount(DataTypeWithCount(114, n)), n);
        EXPECT_EQ(CapitalDigitsPositions(DataTypeWithCount(121, n)), n + 2);
        EXPECT_EQ(DigitCellCount(DataTypeWithCount(311, n)), n);
    }
    const auto entryCode = [](double code) {
        const int index = DataTypeListIndex(code);
        return index < 0 ? -1 : kDataTypes[index].code;
    };
    const std::pair<double, int> entries[] = {{12, 11}, {208, 211}, {308, 311}, {121.06, 121}, {0, 0}, {103.5, -1}, {500, -1}};
    for (const auto& [code, entry] : entries) EXPECT_EQ(entryCode(code), entry) << code;
    EXPECT_EQ(DataTypeBase(std::numeric_limits<double>::infinity()), 0);
}

TEST(DataTypes, StoredCodesFindTheirRow) {
    // Counted codes find the row they are listed by; codes no row names are plain text,
    // and some of those print nothing.
    const std::pair<double, int> rows[] = {{12, 11}, {399, 311}, {208, 211}, {114.08, 114}, {121.06, 121},
                                           {0.5, 0}, {128, 128}};
    for (const auto& [code, listed] : rows) {
        ASSERT_NE(DataTypeOf(code), nullptr) << code;
        EXPECT_EQ(DataTypeOf(code)->code, listed) << code;
    }
    for (double none : {-103.0, 134.0, 200.0, 300.0, 400.0, 987.0}) EXPECT_EQ(DataTypeOf(none), nullptr) << none;
    EXPECT_EQ(FamilyOf(kNaN), DataFamily::Plain); // no number at all reads as 0
    EXPECT_EQ(FamilyOf(987), DataFamily::Plain);
    for (double silent : {134.0, 200.0, 300.0, 400.0}) EXPECT_TRUE(PrintsNothing(silent)) << silent;
    EXPECT_FALSE(PrintsNothing(-5));
    EXPECT_EQ(DatePartIn(107), DatePartOf::Month);
    EXPECT_TRUE(TakesDigitKeysOnly(12) && TakesDigitKeysOnly(105) && TakesDigitKeysOnly(108));
    EXPECT_FALSE(TakesDigitKeysOnly(104) || TakesDigitKeysOnly(311) || TakesDigitKeysOnly(109));
    EXPECT_EQ(ListText(*DataTypeOf(12)), "011｜小写金额(对格 有￥)");
}

TEST(LineStyles, OneDecodingForScreenPaperAndEditor) {
    EXPECT_EQ(LinePenStyle(2), Qt::DashLine);
    EXPECT_EQ(LinePenStyle(5.7), Qt::DashDotDotLine);
    // Codes outside 1 … 5 draw solid everywhere and select no editor entry.
    for (double odd : {0.0, 6.0, -1.0, kNaN}) {
        EXPECT_EQ(LinePenStyle(odd), Qt::SolidLine) << odd;
        EXPECT_FALSE(LineStyleIndex(odd)) << odd;
    }
    for (int index = 0; index < int(kLineStyles.size()); ++index)
        EXPECT_EQ(LineStyleIndex(LineStyleCode(index)), index);
}

TEST(ConvertByDataType, AppliesTheConversionOfEachType) {
    struct Row { QString in; double type; QString out; };
    const QString id = "110101199003071234";
    const Row rows[] = {
        {id, 111, "1990-03-07"}, {id, 131, "男"}, {"12.5", 114.08, "零零零零壹贰伍零"}, {"12.5", 121.06, "零零零零壹贰"},
        {"-0.5", 121, ""}, {"1234.5", 103, "壹仟贰佰叁拾肆元伍角整"}, {"1234.5", 120, "壹仟贰佰叁拾肆圆伍角整"},
        {"1234.5", 104, "￥1,234.50"}, {"-1234.5", 105, "-1,234.50"}, {"1234.5", 117, "1234.50"},
        {"1234.5", 118, "￥1234.50"}, {"1234.5", 12, "￥1,234.50"}, {"1234.5", 311, "1,234.50"},
        {"1234.5", 123, "1234.5元"}, {"0.125", 116, "12.5%"}, {"36100", 109, "036100"}, {"3", 101, "叁"},
        {"2023-3-9", 110, "2023年03月09日"}, {"2023-3-9", 112, "03月09日"}, {"2023-3-9", 107, "03"}};
    for (const Row& r : rows) EXPECT_EQ(ConvertByDataType(r.in, r.type, FixedDay()), r.out) << r.type;
    // Types that are never rewritten here.
    for (double untouched : {0.0, 0.9, 115.0, 119.0, 124.0, 133.0, 211.0, 300.0, 987.0, -103.0, kNaN})
        EXPECT_EQ(ConvertByDataType(" 12.5 ", untouched, FixedDay()), " 12.5 ") << untouched;

    ConversionSettings settings = FixedDay();
    settings.monthZero = true;
    settings.currency = "US$";
    EXPECT_EQ(ConvertByDataType("3", 101, settings), "零叁");
    EXPECT_EQ(ConvertByDataType("US$-1,234.00", 105, settings), "-1,234.00");
    // The line-break marker becomes a break before the conversion.
    EXPECT_EQ(FillBoxText("第一行//第二行", "//", 0, settings), "第一行\n第二行");
    EXPECT_EQ(FillBoxText("a//b", "", 0, settings), "a//b");
    EXPECT_EQ(FillBoxText("12//34", "//", 104, settings), "US$1,234.00");
}

// Every route converts a value once, but a value can pass again (a stored bill
// reloaded, a ring's copy, a box left twice): a converted text must come through a
// second conversion unchanged, for every type, input and setting.
TEST(ConvertByDataType, ConvertingAgainChangesNothing) {
    const QStringList inputs = {
        "", " ", "-", "abc", "￥", "%", "1234.5", "-1234.5", "0", "-0", "0.005", "-0.5", "999999.995",
        "1,234,567.891", "￥-1,234.00", "$12", "12.5%", "-3%", "1.2.3", QString(200, u'9'), "-" + QString(30, u'1'),
        "2023-05-01", "2023年5月1日", "2024-02-29", "02-29", "5/1", "2023-05-01 08:30", "13", "7", "31", "2023",
        "110101199003071234", "11010119900307124X", "110101900307123", "36100", "3610001", "壹仟元整", "-伍角整",
        "零零壹贰", "第一行\n第二行", QString(QChar(0xD800)) + "12", QString(QChar(0xDC00)), "1e5", "  42  "};
    QList<double> types;
    for (const DataTypeTraits& row : kDataTypes) types.append(row.code);
    types << 1 << 12 << 99 << 114.08 << 121.06 << 121 << 208 << 308 << 399;

    for (int variant = 0; variant < 3; ++variant) {
        ConversionSettings settings = FixedDay();
        settings.roundingMethod = variant;
        settings.monthZero = variant == 1;
        settings.currency = variant == 2 ? QString() : QStringLiteral("￥");
        for (double type : types)
            for (const QString& input : inputs) {
                const QString once = ConvertByDataType(input, type, settings);
                EXPECT_EQ(ConvertByDataType(once, type, settings), once)
                    << "type " << type << " input \"" << input.toStdString() << "\" variant " << variant;
            }
    }
}

}  // namespace
