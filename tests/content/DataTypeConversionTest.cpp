// The data type list, what codes carry, and converting box texts by data type.
#include "content/Conversions.h"
#include "content/DataTypes.h"

#include "QStringPrinting.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

ConversionSettings FixedDay() {
    ConversionSettings settings;
    settings.today = QDate(2023, 7, 14);
    return settings;
}

TEST(DataTypeList, EntriesInEditorOrder) {
    const QList<DataTypeEntry>& list = DataTypeList();
    ASSERT_EQ(list.size(), 38);
    EXPECT_EQ(list.front().ListText(), "000｜普通文本");
    EXPECT_EQ(list[10].ListText(), "011｜小写金额(对格 有￥)");
    EXPECT_EQ(list[24].ListText(), "114｜大写金额(仅数字)");
    EXPECT_EQ(list[31].ListText(), "124｜自定义列表1：");
    EXPECT_EQ(list.back().ListText(), "130｜自定义列表7：");
}

TEST(DataTypes, BordersCellsAndPositions) {
    for (double bordered : {0.5, 11.0, 99.0, 208.0, 311.0, 399.9}) EXPECT_TRUE(HasSingleBorder(bordered)) << bordered;
    for (double plain : {0.0, 100.0, 103.0, 200.0, 400.0, -5.0, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_FALSE(HasSingleBorder(plain)) << plain;

    EXPECT_EQ(DigitCellCount(12), 12);
    EXPECT_EQ(DigitCellCount(208), 8);
    EXPECT_EQ(DigitCellCount(308), 8);
    EXPECT_EQ(DigitCellCount(109), 0);
    EXPECT_EQ(DigitCellCount(300), 0);

    // What the editor stores reads back as what it was given.
    EXPECT_EQ(DataTypeWithCount(11, 12), 12);
    EXPECT_EQ(DataTypeWithCount(211, 8), 208);
    EXPECT_EQ(DataTypeWithCount(311, 8), 308);
    EXPECT_DOUBLE_EQ(DataTypeWithCount(114, 10), 114.1);
    EXPECT_EQ(DataTypeWithCount(103, 5), 103);
    for (int n = 0; n <= 99; ++n) {
        EXPECT_EQ(CapitalDigitsCount(DataTypeWithCount(114, n)), n);
        EXPECT_EQ(CapitalDigitsCount(DataTypeWithCount(121, n)), n);
        EXPECT_EQ(CapitalDigitsPositions(DataTypeWithCount(114, n)), n);
        EXPECT_EQ(CapitalDigitsPositions(DataTypeWithCount(121, n)), n + 2);
    }
    // The editor finds the entry of a stored code.
    const QList<DataTypeEntry>& list = DataTypeList();
    const auto entryCode = [&list](double code) {
        const int index = DataTypeListIndex(code);
        return index < 0 ? -1 : int(list[index].code);
    };
    EXPECT_EQ(entryCode(12), 11);
    EXPECT_EQ(entryCode(208), 211);
    EXPECT_EQ(entryCode(308), 311);
    EXPECT_EQ(entryCode(114.1), 114);
    EXPECT_EQ(entryCode(121.06), 121);
    EXPECT_EQ(entryCode(0), 0);
    EXPECT_EQ(entryCode(133), 133);
    EXPECT_EQ(entryCode(103.5), -1);
    EXPECT_EQ(entryCode(500), -1);
    EXPECT_EQ(DataTypeBase(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(DataTypeBase(-1e300), 0);
}

TEST(ConvertByDataType, AppliesTheConversionOfEachType) {
    const ConversionSettings settings = FixedDay();
    const QString id = "110101199003071234";
    EXPECT_EQ(ConvertByDataType(id, 111, settings), "1990-03-07");
    EXPECT_EQ(ConvertByDataType(id, 131, settings), "男");
    EXPECT_EQ(ConvertByDataType("12.5", 114.08, settings), "零零零零壹贰伍零");
    EXPECT_EQ(ConvertByDataType("12.5", 121.06, settings), "零零零零壹贰");
    EXPECT_EQ(ConvertByDataType("-0.5", 121, settings), "");
    EXPECT_EQ(ConvertByDataType("1234.5", 103, settings), "壹仟贰佰叁拾肆元伍角整");
    EXPECT_EQ(ConvertByDataType("1234.5", 120, settings), "壹仟贰佰叁拾肆圆伍角整");
    EXPECT_EQ(ConvertByDataType("1234.5", 104, settings), "￥1,234.50");
    EXPECT_EQ(ConvertByDataType("-1234.5", 105, settings), "-1,234.50");
    EXPECT_EQ(ConvertByDataType("1234.5", 117, settings), "1234.50");
    EXPECT_EQ(ConvertByDataType("1234.5", 118, settings), "￥1234.50");
    EXPECT_EQ(ConvertByDataType("1234.5", 12, settings), "￥1,234.50");
    EXPECT_EQ(ConvertByDataType("1234.5", 311, settings), "1,234.50");
    EXPECT_EQ(ConvertByDataType("1234.5", 123, settings), "1234.5元");
    EXPECT_EQ(ConvertByDataType("0.125", 116, settings), "12.5%");
    EXPECT_EQ(ConvertByDataType("36100", 109, settings), "036100");
    EXPECT_EQ(ConvertByDataType("3", 101, settings), "叁");
    EXPECT_EQ(ConvertByDataType("2023-3-9", 110, settings), "2023年03月09日");
    EXPECT_EQ(ConvertByDataType("2023-3-9", 112, settings), "03月09日");
    EXPECT_EQ(ConvertByDataType("2023-3-9", 107, settings), "03");
    // Types that are never rewritten here.
    for (double untouched : {0.0, 0.9, 115.0, 119.0, 122.0, 124.0, 132.0, 133.0, 211.0, 300.0, 400.0, 987.0, -103.0,
                             std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        EXPECT_EQ(ConvertByDataType(" 12.5 ", untouched, settings), " 12.5 ") << untouched;
}

TEST(ConvertByDataType, MonthZeroAndCurrencySettings) {
    ConversionSettings settings = FixedDay();
    settings.monthZero = true;
    settings.currency = "US$";
    EXPECT_EQ(ConvertByDataType("3", 101, settings), "零叁");
    EXPECT_EQ(ConvertByDataType("1234", 104, settings), "US$1,234.00");
    EXPECT_EQ(ConvertByDataType("US$-1,234.00", 105, settings), "-1,234.00");
}

TEST(FillBoxText, TurnsTheMarkerIntoLineBreaksBeforeConverting) {
    const ConversionSettings settings = FixedDay();
    EXPECT_EQ(FillBoxText("第一行//第二行", "//", 0, settings), "第一行\n第二行");
    EXPECT_EQ(FillBoxText("a##b", "##", 0, settings), "a\nb");
    EXPECT_EQ(FillBoxText("a//b", "", 0, settings), "a//b");
    EXPECT_EQ(FillBoxText("12//34", "//", 104, settings), "￥1,234.00");
}

// A box is converted again every time the user leaves it: a converted text must come
// through a second conversion unchanged, for every type, input and setting.
TEST(ConvertByDataType, ConvertingAgainChangesNothing) {
    const QStringList inputs = {
        "", " ", "-", "abc", "￥", "%", "1234.5", "-1234.5", "0", "-0", "0.005", "-0.5", "999999.995",
        "1,234,567.891", "￥-1,234.00", "$12", "12.5%", "-3%", "1.2.3", QString(200, u'9'), "-" + QString(30, u'1'),
        "2023-05-01", "2023年5月1日", "2024-02-29", "02-29", "5/1", "2023-05-01 08:30", "13", "7", "31", "2023",
        "110101199003071234", "11010119900307124X", "110101900307123", "36100", "3610001", "壹仟元整", "-伍角整",
        "零零壹贰", "第一行\n第二行", QString(QChar(0xD800)) + "12", QString(QChar(0xDC00)), "1e5", "  42  "};
    QList<double> types;
    for (const DataTypeEntry& entry : DataTypeList()) types.append(entry.code);
    types << 1 << 12 << 99 << 114.08 << 121.06 << 121 << 208 << 308 << 399;

    for (int variant = 0; variant < 3; ++variant) {
        ConversionSettings settings = FixedDay();
        settings.roundingMethod = variant;
        settings.monthZero = variant == 1;
        settings.currency = variant == 2 ? QString() : QStringLiteral("￥");
        for (double type : types) {
            for (const QString& input : inputs) {
                const QString once = ConvertByDataType(input, type, settings);
                EXPECT_EQ(ConvertByDataType(once, type, settings), once)
                    << "type " << type << " input \"" << input.toStdString() << "\" variant " << variant;
            }
        }
    }
}

}  // namespace
