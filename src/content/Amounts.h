#pragma once
// Amounts: lowercase formatting, Chinese capital amounts and digits, and reading
// them back. Computed in exact decimal (whole fen), never binary floating point.
#include "content/ConversionSettings.h"
#include <QString>

// The capital digits 零壹贰叁肆伍陆柒捌玖 for 0..9.
extern const QString kCapitalDigits;
bool StartsWithCapitalDigit(const QString& text);

// Lowercase amount: "￥1,234.50", "￥-12.00"; empty text and "-" unchanged. Cut to
// fen by settings.roundingMethod. Amounts beyond 10^16 come back unchanged.
QString FormatAmount(const QString& text, const ConversionSettings& settings);

// Amount in capitals with unit "元" or "圆": 1234.50 gives 壹仟贰佰叁拾肆元伍角整.
// Text already in capitals, and amounts of more than 15 digit positions, unchanged.
QString CapitalAmount(const QString& text, const QString& unit, const ConversionSettings& settings);

// The amount in fen written in capital digits, left-padded with 零 to n positions.
QString CapitalDigits(const QString& text, int positions, const ConversionSettings& settings);

// mode >= 0: digits to capital digits. mode < 0: capital digits to digits; with
// mode −10 only that, otherwise also reads 拾 (拾伍 gives 15, 贰拾 gives 20).
QString DigitsToCapitals(const QString& text, int mode);

// Reads a capital-amount box (codes 103, 120, 114 + n/100, 121 + n/100) back as a
// number in shortest form; other codes return the text unchanged.
QString CapitalToNumber(const QString& text, double dataType);

// The number in a text: "￥", "$", the currency symbol and "," ignored; a trailing
// "%" divides by 100; 0 when there is no number.
double NumericValue(const QString& text, const QString& currency = QStringLiteral("￥"));
// The same number exactly, in shortest form ("1234.5", "-0.05", "0"), for sums that
// must not pick up binary rounding.
QString NumericText(const QString& text, const QString& currency = QStringLiteral("￥"));

// Percentage (type 116): NumericValue × 100 in shortest form followed by "%".
QString FormatPercentage(const QString& text, const QString& currency);

// Type 123 "小写金额(XXXX元)": the formatted amount in shortest form followed by "元".
QString FormatYuanAmount(const QString& text, const ConversionSettings& settings);
