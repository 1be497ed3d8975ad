#pragma once
// Exact decimal helpers behind the amount and number conversions. Internal to the
// content module. Numbers are kept as digit strings, so no text is too long to read
// and no binary rounding creeps into amounts.
#include "content/ConversionSettings.h"
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>

struct Decimal {
    bool negative = false;
    QString intDigits;   // without leading zeros; empty when the integer part is 0
    QString fracDigits;  // without trailing zeros
    bool IsZero() const { return intDigits.isEmpty() && fracDigits.isEmpty(); }
};

// The number a text starts with: leading blanks, an optional sign, digits, an
// optional "." and digits; anything else ends it ("12abc" is 12, "abc" is 0).
Decimal LeadingNumber(QStringView text);

// The value multiplied by 10^places (places may be negative).
Decimal ShiftPoint(Decimal value, int places);

// Shortest form: "1234.5", "-0.05", "0".
QString ShortestForm(const Decimal& value);

// The number in a box text with "￥", "$", the currency symbol and "," ignored; a
// trailing "%" divides by 100.
Decimal NumericDecimal(const QString& text, const QString& currency);

// An amount in whole fen; its sign kept apart so that −0.001 cut to fen is plain 0.
struct Amount {
    qint64 fen = 0;  // magnitude
    bool negative = false;
};

// Amounts are accepted up to 16 integer digits, far beyond any bill.
inline constexpr int kMaxAmountIntegerDigits = 16;

// Integer and fraction digits cut to fen by a NumCutMethod; nothing when too large.
std::optional<qint64> DigitsToFen(QStringView intDigits, QStringView fracDigits, int roundingMethod);

// The amount in a box text as `FormatAmount` reads it: every character but digits and
// "." dropped, cut to fen by the rounding method; negative when the text's number is.
std::optional<Amount> ReadAmount(const QString& text, const ConversionSettings& settings);

// "1234.5", "-0.05", "0".
QString FenToShortest(qint64 fen, bool negative);

// Removes every occurrence of a symbol; an empty symbol removes nothing.
QString WithoutSymbol(QString text, const QString& symbol);
