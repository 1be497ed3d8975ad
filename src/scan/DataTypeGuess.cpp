#include "scan/DataTypeGuess.h"

#include "content/DataTypes.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// The table row of a family, conversion and count: found at compile time, so a row
// that changes its meaning breaks the build here rather than the proposal.
constexpr const DataTypeTraits& Row(DataFamily family, DataConversion conversion,
                                    CodeCount count = CodeCount::None, DatePartOf part = DatePartOf::None) {
    for (const DataTypeTraits& row : kDataTypes)
        if (row.family == family && row.conversion == conversion && row.count == count && row.datePart == part)
            return row;
    throw "no such data type";
}

constexpr const DataTypeTraits& kCapital = Row(DataFamily::CapitalAmount, DataConversion::CapitalYuan);
constexpr const DataTypeTraits& kAmount = Row(DataFamily::Amount, DataConversion::Amount);
constexpr const DataTypeTraits& kPrice = Row(DataFamily::Amount, DataConversion::AmountNoSymbol);
constexpr const DataTypeTraits& kNumber = Row(DataFamily::Amount, DataConversion::AmountNoSymbolNoComma);
constexpr const DataTypeTraits& kAmountCells = Row(DataFamily::Amount, DataConversion::AmountNoSymbol, CodeCount::Cells);
constexpr const DataTypeTraits& kDigitCells = Row(DataFamily::Digits, DataConversion::None, CodeCount::Cells);
constexpr const DataTypeTraits& kPostcode = Row(DataFamily::Postcode, DataConversion::Postcode);
constexpr const DataTypeTraits& kYear = Row(DataFamily::DatePart, DataConversion::DatePartArabic, CodeCount::None, DatePartOf::Year);
constexpr const DataTypeTraits& kMonth = Row(DataFamily::DatePart, DataConversion::DatePartArabic, CodeCount::None, DatePartOf::Month);
constexpr const DataTypeTraits& kDay = Row(DataFamily::DatePart, DataConversion::DatePartArabic, CodeCount::None, DatePartOf::Day);

// The whole date written out in Chinese (YYYY年MM月DD日): the first whole-date row.
constexpr const DataTypeTraits& WholeDate() {
    for (const DataTypeTraits& row : kDataTypes)
        if (row.family == DataFamily::Date) return row;
    throw "no whole-date type";
}

bool Has(const QString& label, const char16_t* word) { return label.contains(QString::fromUtf16(word)); }

double CellCode(const DataTypeTraits& row, int cells) { return row.countBase + std::clamp(cells, 1, 99); }

} // namespace

bool IsAmountLabel(const QString& label) { return Has(label, u"金额") && !Has(label, u"大写"); }
bool IsQuantityLabel(const QString& label) { return Has(label, u"数量"); }
bool IsUnitPriceLabel(const QString& label) { return Has(label, u"单价"); }

double GuessDataType(const QString& label, BlankShape shape, int cells) {
    if (label == u"年") return kYear.code;
    if (label == u"月") return kMonth.code;
    if (label == u"日") return kDay.code;
    const bool inCells = shape == BlankShape::Cells;
    if (Has(label, u"大写")) return kCapital.code;
    if (Has(label, u"邮编") || Has(label, u"邮政编码")) return kPostcode.code;
    if (Has(label, u"日期")) return WholeDate().code;
    if (Has(label, u"单价")) return kPrice.code;
    if (Has(label, u"数量")) return kNumber.code;
    if (Has(label, u"金额") || Has(label, u"小写") || Has(label, u"¥") || Has(label, u"￥"))
        return inCells ? CellCode(kAmountCells, cells) : kAmount.code;
    // Telephone, account and identity numbers are digits only in cells; on a line
    // they keep their spaces and dashes as plain text.
    if (inCells) return CellCode(kDigitCells, cells);
    return 0;
}

QString LabelFromCaption(const QString& caption) {
    QString label = caption;
    label.remove(QRegularExpression(QStringLiteral("\\s")));
    label.replace(u'(', u'（').replace(u')', u'）');
    static const QRegularExpression edges(QStringLiteral("^[：:;；.,，、_\\-—~|]+|[：:;；.,，、_\\-—~|]+$"));
    label.remove(edges);
    return label;
}

QString DataTypeName(double dataType) {
    const DataTypeTraits* row = DataTypeOf(dataType);
    const std::u16string_view caption = row ? row->caption : kDataTypes[0].caption;
    return QString::fromUtf16(caption.data(), qsizetype(caption.size()));
}
