#include "content/DataTypes.h"

#include <algorithm>
#include <cmath>

namespace {

const DataTypeTraits* RowByListedCode(int code) {
    for (const DataTypeTraits& row : kDataTypes)
        if (row.code == code) return &row;
    return nullptr;
}

} // namespace

int DataTypeBase(double dataType) {
    // Codes are three digits; anything far outside is no type at all.
    if (!std::isfinite(dataType) || std::fabs(dataType) > 1e6) return 0;
    return int(std::trunc(dataType));
}

const DataTypeTraits* DataTypeOf(double dataType) {
    const int base = DataTypeBase(dataType);
    for (const DataTypeTraits& row : kDataTypes)
        if (base >= row.low && base <= row.high) return &row;
    return nullptr;
}

DataFamily FamilyOf(double dataType) {
    const DataTypeTraits* row = DataTypeOf(dataType);
    return row ? row->family : DataFamily::Plain;
}

DataConversion ConversionOf(double dataType) {
    const DataTypeTraits* row = DataTypeOf(dataType);
    return row ? row->conversion : DataConversion::None;
}

DatePartOf DatePartIn(double dataType) {
    const DataTypeTraits* row = DataTypeOf(dataType);
    return row ? row->datePart : DatePartOf::None;
}

bool TakesDigitKeysOnly(double dataType) {
    const DataTypeTraits* row = DataTypeOf(dataType);
    return row && row->digitKeys;
}

bool HasDataType(double dataType) { return DataTypeBase(dataType) > 0; }

bool PrintsNothing(double dataType) {
    const int base = DataTypeBase(dataType);
    return !DataTypeOf(dataType) && (base == 300 || (base >= 134 && base <= 200) || base >= 400);
}

QString ListText(const DataTypeTraits& row) {
    return QStringLiteral("%1").arg(row.code, 3, 10, QChar(u'0')) + u'｜' +
           QString::fromUtf16(row.caption.data(), qsizetype(row.caption.size()));
}

int DataTypeListIndex(double dataType) {
    const DataTypeTraits* row = DataTypeOf(dataType);
    if (!row) return -1;
    // Only the positions of 114 and 121 make a fraction of the code.
    if (row->count != CodeCount::Positions && DataTypeBase(dataType) != dataType) return -1;
    return int(row - kDataTypes.data());
}

bool HasSingleBorder(double dataType) {
    return (dataType > 0 && dataType < 100) || (dataType > 200 && dataType < 400);
}

int DigitCellCount(double dataType) {
    const DataTypeTraits* row = DataTypeOf(dataType);
    if (!row || row->count != CodeCount::Cells) return 0;
    return DataTypeBase(dataType) - row->countBase;
}

int CapitalDigitsCount(double dataType) {
    const DataTypeTraits* row = DataTypeOf(dataType);
    if (!row || row->count != CodeCount::Positions) return 0;
    // The small offset keeps 114.1 (stored as 114.0999…) at 10 positions.
    return std::max(0, int(dataType * 100 + 0.0001 - row->code * 100));
}

int CapitalDigitsPositions(double dataType) {
    const DataTypeTraits* row = DataTypeOf(dataType);
    if (!row) return 0;
    const double hundredths = (dataType - row->code) * 100;
    switch (row->conversion) {
    case DataConversion::CapitalDigits: return std::max(0, int(hundredths + 0.01));
    // Two more positions for 角 and 分, dropped after the conversion.
    case DataConversion::CapitalDigitsNoFen: return std::max(2, int(hundredths + 2.01));
    default: return 0;
    }
}

double DataTypeWithCount(int listedCode, int count) {
    const DataTypeTraits* row = RowByListedCode(listedCode);
    if (!row) return listedCode;
    switch (row->count) {
    case CodeCount::Cells: return row->countBase + count;
    case CodeCount::Positions: return row->code + count / 100.0;
    default: return listedCode;
    }
}

bool TakesCount(int listedCode) {
    const DataTypeTraits* row = RowByListedCode(listedCode);
    return row && row->count != CodeCount::None;
}
