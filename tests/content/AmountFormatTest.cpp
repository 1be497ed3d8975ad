// Lowercase amounts, numbers in box texts, percentages and XXXX元.
#include "content/Amounts.h"

#include "QStringPrinting.h"

#include <gtest/gtest.h>

namespace {

ConversionSettings WithRounding(int method) {
    ConversionSettings settings;
    settings.roundingMethod = method;
    return settings;
}

TEST(FormatAmount, WritesSymbolSignSeparatorsAndTwoDecimals) {
    const ConversionSettings settings;
    EXPECT_EQ(FormatAmount("1234.5", settings), "￥1,234.50");
    EXPECT_EQ(FormatAmount("0.5", settings), "￥0.50");
    EXPECT_EQ(FormatAmount(".5", settings), "￥0.50");
    EXPECT_EQ(FormatAmount("-12", settings), "￥-12.00");
    EXPECT_EQ(FormatAmount("1234567.89", settings), "￥1,234,567.89");
    EXPECT_EQ(FormatAmount("123456", settings), "￥123,456.00");
    EXPECT_EQ(FormatAmount("007", settings), "￥7.00");
    EXPECT_EQ(FormatAmount("", settings), "");
    EXPECT_EQ(FormatAmount("-", settings), "-");
    // Letters, symbols and separators drop out; only symbols give nought.
    EXPECT_EQ(FormatAmount("RMB 1,2a3", settings), "￥123.00");
    EXPECT_EQ(FormatAmount("￥", settings), "￥0.00");
    // A second point ends the number.
    EXPECT_EQ(FormatAmount("1.2.3", settings), "￥1.20");
}

TEST(FormatAmount, KeepsTheSignOfAnAlreadyFormattedAmount) {
    const ConversionSettings settings;
    EXPECT_EQ(FormatAmount("￥-1,234.00", settings), "￥-1,234.00");
    EXPECT_EQ(FormatAmount("$-5", settings), "￥-5.00");
    EXPECT_EQ(FormatAmount("-￥5", settings), "￥-5.00");
    // Cut to nothing there is no negative left.
    EXPECT_EQ(FormatAmount("-0.001", settings), "￥0.00");
    EXPECT_EQ(FormatAmount("-0", settings), "￥0.00");
}

TEST(FormatAmount, OtherCurrencySymbols) {
    ConversionSettings settings;
    settings.currency = "US$";
    EXPECT_EQ(FormatAmount("123", settings), "US$123.00");
    EXPECT_EQ(FormatAmount("-1234567", settings), "US$-1,234,567.00");
    EXPECT_EQ(FormatAmount("US$-1,234,567.00", settings), "US$-1,234,567.00");
    settings.currency.clear();
    EXPECT_EQ(FormatAmount("1234567", settings), "1,234,567.00");
    EXPECT_EQ(FormatAmount("-0.5", settings), "-0.50");
}

TEST(FormatAmount, RoundingMethods) {
    EXPECT_EQ(FormatAmount("1.235", WithRounding(kRoundHalfUp)), "￥1.24");
    EXPECT_EQ(FormatAmount("1.2349", WithRounding(kRoundHalfUp)), "￥1.23");
    EXPECT_EQ(FormatAmount("1.2301", WithRounding(kRoundUp)), "￥1.24");
    EXPECT_EQ(FormatAmount("1.23", WithRounding(kRoundUp)), "￥1.23");
    EXPECT_EQ(FormatAmount("1.239", WithRounding(kRoundCut)), "￥1.23");
    EXPECT_EQ(FormatAmount("1.239", WithRounding(7)), "￥1.23");
    // Values a binary double holds just below the half.
    EXPECT_EQ(FormatAmount("1.005", WithRounding(kRoundHalfUp)), "￥1.01");
    EXPECT_EQ(FormatAmount("2.675", WithRounding(kRoundHalfUp)), "￥2.68");
    EXPECT_EQ(FormatAmount("1234567.125", WithRounding(kRoundHalfUp)), "￥1,234,567.13");
    EXPECT_EQ(FormatAmount("-2.675", WithRounding(kRoundHalfUp)), "￥-2.68");
    // A carry runs through every digit.
    EXPECT_EQ(FormatAmount("999999.995", WithRounding(kRoundHalfUp)), "￥1,000,000.00");
    // Rounding up sees a decimal however far behind the point.
    EXPECT_EQ(FormatAmount("1.2300001", WithRounding(kRoundUp)), "￥1.24");
    EXPECT_EQ(FormatAmount("1.2300000", WithRounding(kRoundUp)), "￥1.23");
}

TEST(FormatAmount, HugeDigitStringsComeBackUnchanged) {
    const ConversionSettings settings;
    EXPECT_EQ(FormatAmount("9999999999999999.99", settings), "￥9,999,999,999,999,999.99");
    const QString huge(400, u'9');
    EXPECT_EQ(FormatAmount(huge, settings), huge);
    EXPECT_EQ(FormatAmount("00000000000000000000001", settings), "￥1.00");
}

TEST(NumericValue, IgnoresSymbolsAndReadsPercentages) {
    EXPECT_DOUBLE_EQ(NumericValue("￥-1,234.50"), -1234.5);
    EXPECT_DOUBLE_EQ(NumericValue("$12"), 12);
    EXPECT_DOUBLE_EQ(NumericValue("US$12", "US$"), 12);
    EXPECT_DOUBLE_EQ(NumericValue("12.5%"), 0.125);
    EXPECT_DOUBLE_EQ(NumericValue("12元"), 12);
    EXPECT_DOUBLE_EQ(NumericValue("abc"), 0);
    EXPECT_DOUBLE_EQ(NumericValue(""), 0);
}

TEST(FormatPercentage, WritesShortestFormWithoutBinaryNoise) {
    EXPECT_EQ(FormatPercentage("0.07", "￥"), "7%");
    EXPECT_EQ(FormatPercentage("0.125", "￥"), "12.5%");
    EXPECT_EQ(FormatPercentage("12.5%", "￥"), "12.5%");
    EXPECT_EQ(FormatPercentage("-0.05", "￥"), "-5%");
    EXPECT_EQ(FormatPercentage("3", "￥"), "300%");
    EXPECT_EQ(FormatPercentage("abc", "￥"), "0%");
    EXPECT_EQ(FormatPercentage("", "￥"), "");
}

TEST(FormatYuanAmount, ShortestAmountFollowedByYuan) {
    const ConversionSettings settings;
    EXPECT_EQ(FormatYuanAmount("1234.5", settings), "1234.5元");
    EXPECT_EQ(FormatYuanAmount("￥1,234.50", settings), "1234.5元");
    EXPECT_EQ(FormatYuanAmount("-0.50", settings), "-0.5元");
    EXPECT_EQ(FormatYuanAmount("100", settings), "100元");
    EXPECT_EQ(FormatYuanAmount("1.239", WithRounding(kRoundHalfUp)), "1.24元");
    EXPECT_EQ(FormatYuanAmount("", settings), "");
}

}  // namespace
