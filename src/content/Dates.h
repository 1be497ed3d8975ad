#pragma once
// Dates in boxes: parts in Arabic or Chinese digits, whole dates by pattern, and
// the birth date and gender carried by an identity-card number.
#include <QDate>
#include <QString>
#include <optional>

enum class DatePart { kYear = 0, kMonth = 1, kDay = 2 };

// Reads a date as a person writes it: 2023-05-01, 2023/5/1, 2023.5.1, 2023年5月1日,
// 5-1, 5/1, 5月1日 (year of today; 5.1 is a number), optionally followed by a time.
std::optional<QDate> ParseDateText(const QString& text, const QDate& today);

// The date text written by pattern ("YYYY", "MM", "DD" replaced); an identity-card
// number gives its birth date; anything else gives an empty text.
QString FormatDate(const QString& text, const QString& pattern, const QDate& today = {});

// Year as four digits, month and day as two; out of range gives today's part
// without padding.
QString DatePartArabic(const QString& text, DatePart part, const QDate& today = {});

// Year, month or day in capital digits (2023 gives 贰零贰叁, 15 gives 壹拾伍); text
// that is not such a number comes back unchanged.
QString DatePartChinese(const QString& text, DatePart part, bool monthZero);

// "男" or "女" from an identity-card number; other text unchanged.
QString GenderFromId(const QString& text);
