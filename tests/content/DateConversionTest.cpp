// Dates, date parts, identity-card numbers and postcodes.
#include "content/Conversions.h"
#include "content/Dates.h"

#include "QStringPrinting.h"

#include <gtest/gtest.h>

namespace {

const QDate kToday(2023, 7, 14);  // not a leap year

TEST(ParseDateText, ReadsTheWaysPeopleWriteDates) {
    EXPECT_EQ(ParseDateText("2023-05-01", kToday), QDate(2023, 5, 1));
    EXPECT_EQ(ParseDateText("2023/5/1", kToday), QDate(2023, 5, 1));
    EXPECT_EQ(ParseDateText("2023.5.1", kToday), QDate(2023, 5, 1));
    EXPECT_EQ(ParseDateText("2023年05月01日", kToday), QDate(2023, 5, 1));
    EXPECT_EQ(ParseDateText(" 2023-05-01 13:45:10 ", kToday), QDate(2023, 5, 1));
    EXPECT_EQ(ParseDateText("05-01", kToday), QDate(2023, 5, 1));
    EXPECT_EQ(ParseDateText("5月1日", kToday), QDate(2023, 5, 1));
    EXPECT_EQ(ParseDateText("2023年5月", kToday), QDate(2023, 5, 1));
    EXPECT_EQ(ParseDateText("02-29", kToday), QDate(2020, 2, 29));
    for (const char* notADate : {"", "2023-02-30", "2023-13-01", "20230501", "hello", "2023-05-01 noon", "0000-01-01", "5.1"})
        EXPECT_FALSE(ParseDateText(notADate, kToday)) << notADate;
}

TEST(FormatDate, PatternsIdentityCardsAndNonDates) {
    EXPECT_EQ(FormatDate("2023/5/1", "YYYY年MM月DD日", kToday), "2023年05月01日");
    EXPECT_EQ(FormatDate("2023-05-01 08:00", "MM-DD", kToday), "05-01");
    EXPECT_EQ(FormatDate("110101199003071234", "YYYY-MM-DD", kToday), "1990-03-07");
    EXPECT_EQ(FormatDate("11010119900307123X", "YYYY-MM-DD", kToday), "1990-03-07");
    // The old 15-digit card holds a two-digit year of the 1900s.
    EXPECT_EQ(FormatDate("110101900307123", "YYYY-MM-DD", kToday), "1990-03-07");
    EXPECT_EQ(FormatDate("110101199013071234", "YYYY-MM-DD", kToday), "");
    EXPECT_EQ(FormatDate("tomorrow", "YYYY-MM-DD", kToday), "");
    EXPECT_EQ(FormatDate("", "YYYY-MM-DD", kToday), "");
}

TEST(DatePartArabic, PartsBoundsAndDefaults) {
    EXPECT_EQ(DatePartArabic("2023-05-01", DatePart::kYear, kToday), "2023");
    EXPECT_EQ(DatePartArabic("2023-05-01", DatePart::kMonth, kToday), "05");
    EXPECT_EQ(DatePartArabic("2023年5月1日", DatePart::kDay, kToday), "01");
    EXPECT_EQ(DatePartArabic("贰零贰贰", DatePart::kYear, kToday), "2022");
    EXPECT_EQ(DatePartArabic("5月", DatePart::kMonth, kToday), "05");
    EXPECT_EQ(DatePartArabic("110101199003071234", DatePart::kMonth, kToday), "03");
    // Out of range or empty: today's part, padded like any other.
    EXPECT_EQ(DatePartArabic("13", DatePart::kMonth, kToday), "07");
    EXPECT_EQ(DatePartArabic("", DatePart::kYear, kToday), "2023");
    EXPECT_EQ(DatePartArabic("999", DatePart::kYear, kToday), "2023");
    EXPECT_EQ(DatePartArabic("32", DatePart::kDay, kToday), "14");
}

TEST(DatePartChinese, ChequeRulesForMonthsAndDays) {
    EXPECT_EQ(DatePartChinese("2023", DatePart::kYear, false), "贰零贰叁");
    EXPECT_EQ(DatePartChinese("1", DatePart::kMonth, false), "零壹");
    EXPECT_EQ(DatePartChinese("2", DatePart::kMonth, false), "零贰");
    EXPECT_EQ(DatePartChinese("3", DatePart::kMonth, false), "叁");
    EXPECT_EQ(DatePartChinese("3", DatePart::kMonth, true), "零叁");
    EXPECT_EQ(DatePartChinese("10", DatePart::kMonth, false), "零壹拾");
    EXPECT_EQ(DatePartChinese("11", DatePart::kMonth, false), "壹拾壹");
    EXPECT_EQ(DatePartChinese("05", DatePart::kMonth, false), "零伍");
    EXPECT_EQ(DatePartChinese("7", DatePart::kDay, false), "零柒");
    EXPECT_EQ(DatePartChinese("15", DatePart::kDay, false), "壹拾伍");
    EXPECT_EQ(DatePartChinese("20", DatePart::kDay, false), "零贰拾");
    EXPECT_EQ(DatePartChinese("30", DatePart::kDay, false), "零叁拾");
    EXPECT_EQ(DatePartChinese("1 ", DatePart::kDay, false), "零壹");
    // Not such a number: unchanged.
    for (const char* other : {"", "13", "32", "1999", "x5", "零壹拾"})
        EXPECT_EQ(DatePartChinese(other, DatePart::kMonth, false), other);
}

TEST(GenderFromId, SeventeenthDigitOfNewCardsFifteenthOfOld) {
    EXPECT_EQ(GenderFromId("110101199003071234"), "男");
    EXPECT_EQ(GenderFromId("110101199003071248"), "女");
    EXPECT_EQ(GenderFromId("11010119900307124X"), "女");
    EXPECT_EQ(GenderFromId("110101900307123"), "男");
    EXPECT_EQ(GenderFromId("110101900307122"), "女");
    for (const char* other : {"", "男", "12345", "011010199003071234", "1101011990030712A4"})
        EXPECT_EQ(GenderFromId(other), other);
}

TEST(FormatPostcode, SixDigits) {
    EXPECT_EQ(FormatPostcode("36100"), "036100");
    EXPECT_EQ(FormatPostcode("3610001"), "361000");
    EXPECT_EQ(FormatPostcode("邮编 361-005"), "361005");
    EXPECT_EQ(FormatPostcode("无"), "");
}

}  // namespace
