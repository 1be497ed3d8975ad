#include "document/RecordChange.h"

#include "store/BoxColumns.h"
#include "store/Format.h"

RecordParts PartsChanged(const BoxRecord& a, const BoxRecord& b) {
    RecordParts parts;
    if (a.x != b.x || a.y != b.y || a.w != b.w || a.h != b.h) parts |= RecordPart::Geometry;
    if (a.fontName != b.fontName || a.fontSize != b.fontSize || a.bold != b.bold || a.italic != b.italic ||
        a.underline != b.underline || a.strikeout != b.strikeout)
        parts |= RecordPart::Font;
    if (a.label != b.label || a.dir != b.dir) parts |= RecordPart::Caption;
    if (a.color != b.color || a.s != b.s || a.l != b.l) parts |= RecordPart::Look;
    if (a.rctl != b.rctl || a.rctl1 != b.rctl1 || a.sumId != b.sumId || a.sumId1 != b.sumId1)
        parts |= RecordPart::Links;
    if (a.cash != b.cash) parts |= RecordPart::DataType;
    if (a.kind != b.kind) parts |= RecordPart::Kind;
    return parts;
}

RecordParts PartOf(BoxField field) {
    switch (field) {
    case BoxField::X:
    case BoxField::Y:
    case BoxField::W:
    case BoxField::H: return RecordPart::Geometry;
    case BoxField::FontName:
    case BoxField::FontSize:
    case BoxField::Bold:
    case BoxField::Italic:
    case BoxField::Underline:
    case BoxField::Strikeout: return RecordPart::Font;
    case BoxField::Label:
    case BoxField::Dir: return RecordPart::Caption;
    case BoxField::Color:
    case BoxField::S:
    case BoxField::L: return RecordPart::Look;
    case BoxField::RCtl:
    case BoxField::RCtl1:
    case BoxField::SumId:
    case BoxField::SumId1: return RecordPart::Links;
    case BoxField::Cash: return RecordPart::DataType;
    case BoxField::Kind: return RecordPart::Kind;
    case BoxField::Id:
    case BoxField::Mem: return {};
    }
    return {};
}

PageParts PagePartsChanged(const PageParams& a, const PageParams& b) {
    PageParts parts;
    if (a.width != b.width || a.height != b.height) parts |= PagePart::Size;
    if (a.offsetX != b.offsetX || a.offsetY != b.offsetY) parts |= PagePart::Offsets;
    if (a.options.barcodeStandard != b.options.barcodeStandard) parts |= PagePart::Barcode;
    PageOptions other = b.options;
    other.barcodeStandard = a.options.barcodeStandard;
    if (!(a.options == other)) parts |= PagePart::Options;
    if (a.designScreenWidth != b.designScreenWidth) parts |= PagePart::ScreenWidth;
    return parts;
}
