#include "formatfile/FormatFileFields.h"

#include "formatfile/FormatFileTexts.h"
#include "store/BoxColumns.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace {

using namespace FormatFileTexts;

// The fields of a record line, in file order.
constexpr std::array<BoxField, kFieldCount> kFileOrder{
    BoxField::Id, BoxField::Kind, BoxField::Label, BoxField::Dir, BoxField::X, BoxField::Y,
    BoxField::W, BoxField::H, BoxField::S, BoxField::L, BoxField::Color, BoxField::FontName,
    BoxField::FontSize, BoxField::Bold, BoxField::Italic, BoxField::Underline,
    BoxField::Strikeout, BoxField::Cash, BoxField::RCtl, BoxField::Mem, BoxField::SumId,
    BoxField::SumId1, BoxField::RCtl1};

constexpr int PlaceOf(BoxField field) {
    for (int i = 0; i < kFieldCount; ++i)
        if (kFileOrder[i] == field) return i;
    return -1;
}
constexpr int kLbl = PlaceOf(BoxField::Label);

QString FlagText(bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); }
bool FlagValue(const QString& text) { return text.toLower() == QLatin1String("true"); }

// Every kind of line break becomes the marker: CR LF is the program's own, a lone
// LF or CR would otherwise split the record line.
QString EscapeBreaks(QString text, const QString& marker) {
    return text.replace(QLatin1String("\r\n"), marker)
        .replace(QLatin1Char('\n'), marker)
        .replace(QLatin1Char('\r'), marker);
}
QString RestoreBreaks(QString text, const QString& marker) {
    return text.replace(marker, QLatin1String("\r\n"));
}

// An empty field is a null column, read as 0.
std::optional<double> ParseNumber(const QString& field) {
    const QString text = field.trimmed();
    if (text.isEmpty()) return 0.0;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<qint64> ParseInteger(const QString& field, qint64 min, qint64 max) {
    const std::optional<double> value = ParseNumber(field);
    if (!value || *value < double(min) - 0.5 || *value > double(max) + 0.5) return std::nullopt;
    return qRound64(*value);
}

constexpr qint64 kIntMin = std::numeric_limits<int>::min();
constexpr qint64 kIntMax = std::numeric_limits<int>::max();

// Whole-number fields and the values they may hold; a page-parameter row keeps no kind.
std::optional<qint64> ParseWhole(BoxField field, const QString& text, bool page) {
    switch (field) {
    case BoxField::Id: {
        // Written as the number a link would hold; the box is its whole part.
        const std::optional<double> id = ParseNumber(text);
        return id ? std::optional<qint64>(LinkTarget(*id)) : std::nullopt;
    }
    case BoxField::Kind: return ParseInteger(text, 0, page ? kIntMax : kBoxKindCount - 1);
    case BoxField::Color: return ParseInteger(text, kIntMin, 0xFFFFFFFFLL);
    default: return ParseInteger(text, kIntMin, kIntMax);
    }
}

QString BreakMarkerOf(BoxField field) {
    if (field == BoxField::Label) return kLabelBreak;
    if (field == BoxField::Mem) return kMemBreak;
    return {};
}

QString FieldText(BoxField field, const QVariant& value) {
    switch (ColumnOf(field).form) {
    case FieldForm::Whole: return QString::number(value.toLongLong());
    case FieldForm::Real: return FileNumberText(value.toDouble());
    case FieldForm::Flag: return FlagText(value.toBool());
    case FieldForm::Text: {
        const QString marker = BreakMarkerOf(field);
        return marker.isEmpty() ? value.toString() : EscapeBreaks(value.toString(), marker);
    }
    }
    return {};
}

// nullopt when a number field holds no number in its range.
std::optional<QVariant> FieldFromText(BoxField field, const QString& text, bool page) {
    switch (ColumnOf(field).form) {
    case FieldForm::Whole: {
        const std::optional<qint64> whole = ParseWhole(field, text, page);
        return whole ? std::optional<QVariant>(*whole) : std::nullopt;
    }
    case FieldForm::Real: {
        const std::optional<double> real = ParseNumber(text);
        return real ? std::optional<QVariant>(*real) : std::nullopt;
    }
    case FieldForm::Flag: return QVariant(FlagValue(text));
    case FieldForm::Text: {
        const QString marker = BreakMarkerOf(field);
        return QVariant(marker.isEmpty() ? text : RestoreBreaks(text, marker));
    }
    }
    return std::nullopt;
}

} // namespace

QString FileNumberText(double value) {
    if (value == 0) return QStringLiteral("0"); // also -0
    return QString::number(value, 'g', QLocale::FloatingPointShortest).toUpper();
}

QStringList BoxFields(const BoxRecord& b) {
    QStringList f;
    for (BoxField field : kFileOrder) f << FieldText(field, FieldValue(b, field));
    return f;
}

// The page-parameter row is a record like the others; the columns it does not use
// hold 0, as in the store.
QStringList PageFields(qint64 id, const PageParams& page) {
    BoxRecord row;
    row.id = id;
    row.label = kPageParamsLabel;
    row.x = page.offsetX;
    row.y = page.offsetY;
    row.w = page.width;
    row.h = page.height;
    row.color = page.designScreenWidth;
    row.mem = EncodePageOptions(page.options);
    return BoxFields(row);
}

std::optional<BoxRecord> ParseRowFields(const QStringList& f) {
    if (f.size() < kRequiredFieldCount) return std::nullopt;
    BoxRecord b;
    const bool page = RestoreBreaks(f[kLbl], kLabelBreak) == kPageParamsLabel;
    for (int i = 0; i < kFieldCount; ++i) {
        const BoxField field = kFileOrder[i];
        // SumID1 and RCtl1 of an older file are 0; an empty field is a null column.
        const QString text = i < f.size() ? f[i] : QString();
        const std::optional<QVariant> value = FieldFromText(field, text, page);
        if (!value) return std::nullopt;
        SetFieldValue(b, field, *value);
    }
    if (page) b.kind = BoxKind::Text;
    return b;
}

PageParams PageFromRow(const BoxRecord& row) {
    PageParams page;
    page.width = row.w;
    page.height = row.h;
    page.offsetX = row.x;
    page.offsetY = row.y;
    page.designScreenWidth = row.color;
    DecodePageOptions(row.mem, page.options);
    return page;
}
