#include "store/BoxColumns.h"

#include "store/Format.h"

namespace {

// The one place that names the record member behind each column.
template <typename Box>
auto WholeOf(Box& box, BoxField field) -> decltype(&box.color) {
    switch (field) {
    case BoxField::Id: return &box.id;
    case BoxField::Color: return &box.color;
    case BoxField::RCtl1: return &box.rctl1;
    default: return nullptr;
    }
}

template <typename Box>
auto RealOf(Box& box, BoxField field) -> decltype(&box.x) {
    switch (field) {
    case BoxField::X: return &box.x;
    case BoxField::Y: return &box.y;
    case BoxField::W: return &box.w;
    case BoxField::H: return &box.h;
    case BoxField::S: return &box.s;
    case BoxField::L: return &box.l;
    case BoxField::FontSize: return &box.fontSize;
    case BoxField::Cash: return &box.cash;
    case BoxField::RCtl: return &box.rctl;
    case BoxField::SumId: return &box.sumId;
    case BoxField::SumId1: return &box.sumId1;
    default: return nullptr;
    }
}

template <typename Box>
auto FlagOf(Box& box, BoxField field) -> decltype(&box.bold) {
    switch (field) {
    case BoxField::Bold: return &box.bold;
    case BoxField::Italic: return &box.italic;
    case BoxField::Underline: return &box.underline;
    case BoxField::Strikeout: return &box.strikeout;
    default: return nullptr;
    }
}

template <typename Box>
auto TextOf(Box& box, BoxField field) -> decltype(&box.label) {
    switch (field) {
    case BoxField::Label: return &box.label;
    case BoxField::FontName: return &box.fontName;
    case BoxField::Mem: return &box.mem;
    default: return nullptr;
    }
}

} // namespace

QVariant FieldValue(const BoxRecord& box, BoxField field) {
    if (field == BoxField::Kind) return qint64(box.kind);
    if (field == BoxField::Dir) return qint64(box.dir);
    if (const qint64* whole = WholeOf(box, field)) return *whole;
    if (const double* real = RealOf(box, field)) return *real;
    if (const bool* flag = FlagOf(box, field)) return *flag;
    if (const QString* text = TextOf(box, field)) return *text;
    return {};
}

void SetFieldValue(BoxRecord& box, BoxField field, const QVariant& value) {
    if (field == BoxField::Kind) box.kind = static_cast<BoxKind>(value.toInt());
    else if (field == BoxField::Dir) box.dir = value.toInt();
    else if (qint64* whole = WholeOf(box, field)) *whole = value.toLongLong();
    else if (double* real = RealOf(box, field)) *real = value.toDouble();
    else if (bool* flag = FlagOf(box, field)) *flag = value.toLongLong() != 0;
    else if (QString* text = TextOf(box, field)) *text = value.toString();
}
