// Cell values as a spreadsheet's general format shows them, and which number formats
// show dates.
#include "ExchangeFixture.h"

#include "exchange/SpreadsheetValues.h"

#include <cmath>

namespace {

TEST(SpreadsheetValues, NumbersInTheGeneralFormat) {
    const QList<std::pair<double, QString>> cases = {
        {0, "0"},
        {-7, "-7"},
        {1234.5, "1234.5"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {1e20, "100000000000000000000"},
        {123456789012345678.0, "123456789012346000"}, // 15 significant digits
        {1.5e25, "1.5E+25"},
        {0.000000001, "0.000000001"},
        {-1.25e-12, "-1.25E-12"},
    };
    for (const auto& [number, text] : cases) EXPECT_EQ(GeneralNumberText(number), text) << number;
}

TEST(SpreadsheetValues, FormatsThatShowDates) {
    const QList<std::tuple<int, QString, DateParts>> cases = {
        {14, "", DateParts::Date},
        {22, "", DateParts::DateTime},
        {20, "", DateParts::Time},
        {0, "", DateParts::None},
        {4, "", DateParts::None},
        {164, "yyyy\"年\"m\"月\"d\"日\"", DateParts::Date},
        {164, "[$-804]mmm d", DateParts::Date},
        {164, "m/d/yy h:mm", DateParts::DateTime},
        {164, "[h]:mm:ss", DateParts::Time},
        {164, "mm:ss", DateParts::Time},
        {164, "[Red]#,##0.00;[Blue]-#,##0.00", DateParts::None},
        {164, "0.00E+00", DateParts::None},
        {164, "\"days\" 0", DateParts::None},
        {164, "General", DateParts::None},
        {14, "0.00", DateParts::None}, // a workbook's own code for an ID wins
    };
    for (const auto& [id, code, parts] : cases)
        EXPECT_EQ(DatePartsOfFormat(id, code), parts) << id << " " << code.toStdString();
}

TEST(SpreadsheetValues, SerialDays) {
    const QList<std::tuple<double, DateParts, bool, QString>> cases = {
        {1, DateParts::Date, false, "1900-01-01"},
        {59, DateParts::Date, false, "1900-02-28"},
        {60, DateParts::Date, false, "1900-02-29"}, // the day the 1900 system counts
        {61, DateParts::Date, false, "1900-03-01"},
        {45356, DateParts::Date, false, "2024-03-05"},
        {45356.99999999, DateParts::DateTime, false, "2024-03-06 00:00:00"},
        {0.5, DateParts::Time, false, "12:00:00"},
        {0, DateParts::Date, true, "1904-01-01"},
        {-1, DateParts::Date, false, "-1"},
        {std::nan(""), DateParts::Date, false, "nan"},
    };
    for (const auto& [serial, parts, date1904, text] : cases)
        EXPECT_EQ(SerialDateText(serial, parts, date1904), text) << serial;
}

} // namespace
