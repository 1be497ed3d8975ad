#pragma once
// The data types of text boxes (`Cash`, editor caption "内容类别") and what their
// codes carry: cell counts for the 对格 types, digit positions for 114 and 121.
#include <QList>
#include <QString>

struct DataTypeEntry {
    double code;
    QString caption;
    QString ListText() const;  // three-digit code + "｜" + caption, e.g. "011｜小写金额(对格 有￥)"
};

// All 38 entries in the order the box editor offers them.
const QList<DataTypeEntry>& DataTypeList();

// The list entry the box editor selects for a stored code: 011 for 1..99, 211 for
// 201..299, 311 for 301..399, 114 and 121 whatever their positions; -1 for none.
int DataTypeListIndex(double dataType);

// Integer part of a code, the part that selects the conversion; 0 for codes that are
// not finite or out of any sensible range.
int DataTypeBase(double dataType);

// On screen, boxes of these types get a single-line border: codes strictly between
// 0 and 100, or strictly between 200 and 400.
bool HasSingleBorder(double dataType);

// Cells of the 对格 types: code for 1..99 (amount with symbol), code − 200 for
// 201..299 (digits), code − 300 for 301..399 (amount without symbol); 0 otherwise.
int DigitCellCount(double dataType);

// Positions n carried in the hundredths of 114 + n/100 and 121 + n/100, as the box
// editor shows them under "大写金额位数："; 0 for other codes.
int CapitalDigitsCount(double dataType);

// Positions `CapitalDigits` is called with: n for 114, n + 2 for 121 (the 角 and 分
// positions that are then dropped); 0 for other codes.
int CapitalDigitsPositions(double dataType);

// The stored code for a base type and its count: 11 with 12 cells is 12, 211 with 8
// is 208, 311 with 8 is 308, 114 with 10 positions is 114.1; other bases unchanged.
double DataTypeWithCount(int baseCode, int count);
