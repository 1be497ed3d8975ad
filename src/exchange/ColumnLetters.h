#pragma once
// Spreadsheet column letters.
#include <QString>

// The column a mapping names: trimmed and upper-cased, one or two characters, each
// taken as its character code minus 64 (A = 1, AA = 27); a result below 1 is 1.
// Empty text or three and more characters name no column: 0.
int ColumnNumber(const QString& letters);

// The letters of column n >= 1: A .. Z, AA .. ZZ, AAA ...
QString ColumnLetters(int column);
