#pragma once
// The 23 columns of a box record (an `Fmt` row), named once. The store, the format
// file and the box grid lay them out in their own order and text form, but read and
// write a record's columns only through this table.
#include <QVariant>
#include <array>

struct BoxRecord;

// In the store's column order.
enum class BoxField {
    Id, Label, Kind, Dir, X, Y, W, H, S, L, Color, FontName, FontSize,
    Bold, Italic, Underline, Strikeout, Cash, RCtl, RCtl1, SumId, SumId1, Mem
};
inline constexpr int kBoxFieldCount = 23;

// How a column holds its value.
enum class FieldForm { Whole, Real, Flag, Text };

struct BoxColumn {
    BoxField field;
    const char* storeName;
    FieldForm form;
};

inline constexpr std::array<BoxColumn, kBoxFieldCount> kBoxColumnTable{{
    {BoxField::Id, "ID", FieldForm::Whole},
    {BoxField::Label, "LBL", FieldForm::Text},
    {BoxField::Kind, "Clas", FieldForm::Whole},
    {BoxField::Dir, "Dir", FieldForm::Whole},
    {BoxField::X, "X", FieldForm::Real},
    {BoxField::Y, "Y", FieldForm::Real},
    {BoxField::W, "W", FieldForm::Real},
    {BoxField::H, "H", FieldForm::Real},
    {BoxField::S, "S", FieldForm::Real},
    {BoxField::L, "L", FieldForm::Real},
    {BoxField::Color, "Color", FieldForm::Whole},
    {BoxField::FontName, "fName", FieldForm::Text},
    {BoxField::FontSize, "fSize", FieldForm::Real},
    {BoxField::Bold, "fBold", FieldForm::Flag},
    {BoxField::Italic, "fItalic", FieldForm::Flag},
    {BoxField::Underline, "fUnderline", FieldForm::Flag},
    {BoxField::Strikeout, "fStrikethru", FieldForm::Flag},
    {BoxField::Cash, "Cash", FieldForm::Real},
    {BoxField::RCtl, "RCtl", FieldForm::Real},
    {BoxField::RCtl1, "RCtl1", FieldForm::Whole},
    {BoxField::SumId, "SumID", FieldForm::Real},
    {BoxField::SumId1, "SumID1", FieldForm::Real},
    {BoxField::Mem, "Mem", FieldForm::Text},
}};

constexpr bool ColumnsInFieldOrder() {
    for (int i = 0; i < kBoxFieldCount; ++i)
        if (static_cast<int>(kBoxColumnTable[i].field) != i) return false;
    return true;
}
static_assert(ColumnsInFieldOrder(), "one row per box field, in the order of BoxField");

constexpr const BoxColumn& ColumnOf(BoxField field) {
    return kBoxColumnTable[static_cast<int>(field)];
}

// The column's value: qint64 (whole), double (real), bool (flag) or QString (text).
QVariant FieldValue(const BoxRecord& box, BoxField field);
// Sets the column from a value of its form. A flag is on for any non-zero number:
// older files keep True as -1.
void SetFieldValue(BoxRecord& box, BoxField field, const QVariant& value);
