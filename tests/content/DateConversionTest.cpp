// Dates, date parts, identity-card numbers and postcodes.
#include "content/Conversions.h"
#include "content/Dates.h"

#include "QStringPrinting.h"

#include <gtest/gtest.h>

namespace {

const QDate kToday(2023, 7, 14);  // not a leap year

TEST(ParseDateText, ReadsTheWaysPeopleWriteDates) {
    for (const char* may1 : {"2023-05-01", "2023/5/1", "2023.5.1", "2023年05月01日", " 2023-05-01 13:45:10 ", "05-01", "5月1日", "2023年5月"})
        EXPECT_EQ(ParseDateText(may1, kToday), QDate(2023, 5, 1)) << may1;
    EXPECT_EQ(ParseDateText("02-29", kToday), QDate(2020, 2, 29));
    for (const char* notADate : {"", "2023-02-30", "2023-13-01", "20230501", "2023-05-01 noon", "0000-01-01", "5.1"})
        EXPECT_FALSE(ParseDateText(notADate, kToday)) << notADate;
}

TEST(FormatDate, PatternsIdentityCardsAndNonDates) {
    EXPECT_EQ(FormatDate("2023/5/1", "YYYY年MM月DD日", kToday), "2023年05月01日");
    EXPECT_EQ(FormatDate("2023-05-01 08:00", "MM-DD", kToday), "05-01");
    // The old 15-digit card holds a two-digit year of the 1900s.
    for (const char* card : {"11010119900307123X", "110101900307123"})
        EXPECT_EQ(FormatDate(card, "YYYY-MM-DD", kToday), "1990-03-07") << card;
    for (const char* notADate : {"110101199013071234", "tomorrow", ""})
        EXPECT_EQ(FormatDate(notADate, "YYYY-MM-DD", kToday), "") << notADate;
}

TEST(DatePartArabic, PartsBoundsAndDefaults) {
    struct Row { const char* in; DatePart part; const char* out; };
    const Row rows[] = {
        {"2023-05-01", DatePart::kYear, "2023"}, {"2023年5月1日", DatePart::kDay, "01"}, {"贰零贰贰", DatePart::kYear, "2022"},
        {"5月", DatePart::kMonth, "05"}, {"110101199003071234", DatePart::kMonth, "03"},
        // Out of range or empty: today's part written without padding.
        {"13", DatePart::kMonth, "7"}, {"", DatePart::kYear, "2023"}, {"999", DatePart::kYear, "2023"}, {"32", DatePart::kDay, "14"}};
    for (const Row& r : rows) EXPECT_EQ(DatePartArabic(r.in, r.part, kToday), r.out) << r.in;
    // A single-digit day shows the missing padding.
    for (const char* day : {"32", "0", "日"}) EXPECT_EQ(DatePartArabic(day, DatePart::kDay, QDate(2023, 7, 6)), "6") << day;
    // That unpadded day stays as it is when converted again; other days are padded.
    EXPECT_EQ(DatePartArabic("6", DatePart::kDay, QDate(2023, 7, 6)), "6");
    EXPECT_EQ(DatePartArabic("5", DatePart::kDay, QDate(2023, 7, 6)), "05");
}

TEST(DatePartChinese, ChequeRulesForMonthsAndDays) {
    struct Row { const char* in; DatePart part; bool monthZero; const char* out; };
    const Row rows[] = {
        {"2023", DatePart::kYear, false, "贰零贰叁"}, {"2", DatePart::kMonth, false, "零贰"}, {"3", DatePart::kMonth, false, "叁"},
        {"3", DatePart::kMonth, true, "零叁"}, {"10", DatePart::kMonth, false, "零壹拾"}, {"11", DatePart::kMonth, false, "壹拾壹"},
        {"15", DatePart::kDay, false, "壹拾伍"}, {"20", DatePart::kDay, false, "零贰拾"}, {"30", DatePart::kDay, false, "零叁拾"},
        {"1 ", DatePart::kDay, false, "零壹"},
        // Not such a number: unchanged.
        {"13", DatePart::kMonth, false, "13"}, {"x5", DatePart::kMonth, false, "x5"}, {"零壹拾", DatePart::kMonth, false, "零壹拾"}};
    for (const Row& r : rows) EXPECT_EQ(DatePartChinese(r.in, r.part, r.monthZero), r.out) << r.in;
}

TEST(IdentityAndPostcode, GenderDigitAndSixDigitPostcodes) {
    const std::pair<const char*, const char*> genders[] = {
        {"110101199003071234", "男"}, {"11010119900307124X", "女"}, {"110101900307123", "男"}, {"110101900307122", "女"},
        {"男", "男"}, {"12345", "12345"}, {"011010199003071234", "011010199003071234"}};
    for (const auto& [id, gender] : genders) EXPECT_EQ(GenderFromId(id), gender) << id;
    EXPECT_EQ(FormatPostcode("36100"), "036100");
    EXPECT_EQ(FormatPostcode("3610001"), "361000");
    EXPECT_EQ(FormatPostcode("邮编 361-005"), "361005");
    EXPECT_EQ(FormatPostcode("无"), "");
}

}  // namespace
