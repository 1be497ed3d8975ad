#pragma once
// Cell values of spreadsheet files as the spreadsheet program shows them in its
// general format: numbers to 15 significant digits, dates as YYYY-MM-DD.
#include <QString>

// 1234.5, 0.1 (not 0.1000000000000000055), 100000000000000000000, 1.5E+25, 1E-12.
QString GeneralNumberText(double value);

// What a number format shows of a serial day number.
enum class DateParts { None, Date, Time, DateTime };

// A built-in number format (by ID) or a custom format code.
DateParts DatePartsOfFormat(int numFmtId, const QString& formatCode);

// A serial day number (days since 1899-12-30, or since 1904-01-01 in a 1904 workbook)
// as "YYYY-MM-DD", "HH:MM:SS" or "YYYY-MM-DD HH:MM:SS". A serial no date has
// (negative, past the year 9999, not a number) gives GeneralNumberText.
QString SerialDateText(double serial, DateParts parts, bool date1904);
