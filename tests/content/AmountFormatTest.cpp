// Lowercase amounts, numbers in box texts, percentages and XXXX元.
#include "content/Amounts.h"

#include "QStringPrinting.h"

#include <gtest/gtest.h>

namespace {

ConversionSettings Settings(int rounding = kRoundCut, const QString& currency = "￥") {
    ConversionSettings settings;
    settings.roundingMethod = rounding;
    settings.currency = currency;
    return settings;
}

TEST(FormatAmount, SymbolSignSeparatorsRoundingAndCurrency) {
    struct Row { QString in, out; int rounding = kRoundCut; QString currency = "￥"; };
    const Row rows[] = {
        {"1234.5", "￥1,234.50"}, {".5", "￥0.50"}, {"-12", "￥-12.00"}, {"007", "￥7.00"},
        {"1234567.89", "￥1,234,567.89"}, {"", ""}, {"-", "-"},
        // Letters, symbols and separators drop out; only symbols give nought; a second point ends the number.
        {"RMB 1,2a3", "￥123.00"}, {"￥", "￥0.00"}, {"1.2.3", "￥1.20"},
        // The sign of an already formatted amount is kept; cut to nothing there is no negative left.
        {"￥-1,234.00", "￥-1,234.00"}, {"-￥5", "￥-5.00"}, {"-0.001", "￥0.00"},
        {"US$-1,234,567.00", "US$-1,234,567.00", kRoundCut, "US$"}, {"-0.5", "-0.50", kRoundCut, ""},
        {"1.239", "￥1.23"}, {"1.239", "￥1.23", 7}, {"1.2349", "￥1.23", kRoundHalfUp},
        {"1.2301", "￥1.24", kRoundUp}, {"1.23", "￥1.23", kRoundUp},
        {"1.2300001", "￥1.24", kRoundUp}, {"1.2300000", "￥1.23", kRoundUp},
        // Exact decimal rounding of values a binary double holds just below the half.
        {"1.005", "￥1.01", kRoundHalfUp}, {"2.675", "￥2.68", kRoundHalfUp}, {"-2.675", "￥-2.68", kRoundHalfUp},
        {"1234567.125", "￥1,234,567.13", kRoundHalfUp}, {"999999.995", "￥1,000,000.00", kRoundHalfUp},
        {"9999999999999999.99", "￥9,999,999,999,999,999.99"}, {"00000000000000000000001", "￥1.00"},
        {QString(400, u'9'), QString(400, u'9')},
    };
    for (const Row& r : rows)
        EXPECT_EQ(FormatAmount(r.in, Settings(r.rounding, r.currency)), r.out) << r.in.left(30).toStdString();
}

TEST(AmountTexts, NumericValuePercentageAndYuan) {
    EXPECT_DOUBLE_EQ(NumericValue("￥-1,234.50"), -1234.5);
    EXPECT_DOUBLE_EQ(NumericValue("US$12", "US$"), 12);
    EXPECT_DOUBLE_EQ(NumericValue("12.5%"), 0.125);
    EXPECT_DOUBLE_EQ(NumericValue("12元"), 12);
    EXPECT_DOUBLE_EQ(NumericValue("abc"), 0);
    const std::pair<QString, QString> percentages[] = {
        {"0.07", "7%"}, {"0.125", "12.5%"}, {"12.5%", "12.5%"}, {"-0.05", "-5%"}, {"abc", "0%"}, {"", ""}};
    for (const auto& [in, out] : percentages) EXPECT_EQ(FormatPercentage(in, "￥"), out) << in.toStdString();
    const std::pair<QString, QString> yuan[] = {
        {"1234.5", "1234.5元"}, {"￥1,234.50", "1234.5元"}, {"-0.50", "-0.5元"}, {"100", "100元"}, {"", ""}};
    for (const auto& [in, out] : yuan) EXPECT_EQ(FormatYuanAmount(in, Settings()), out) << in.toStdString();
    EXPECT_EQ(FormatYuanAmount("1.239", Settings(kRoundHalfUp)), "1.24元");
}

}  // namespace
