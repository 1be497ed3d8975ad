#pragma once
// What an edit changed in a box record or in the page parameters, carried by the
// document's change signals so that each view redoes only what the change touches: a
// moved box is re-placed, not rebuilt; a new font is applied without re-placing.
#include <QFlags>

enum class BoxField;
struct BoxRecord;
struct PageParams;

enum class RecordPart : unsigned {
    Geometry = 0x01, // X, Y, W, H (a line's end points)
    Font = 0x02,     // font name and size (a line's width), bold, italic, underline, strikeout
    Caption = 0x04,  // the label text and the side it is shown on
    Look = 0x08,     // colour, character and line spacing, alignment
    Links = 0x10,    // linked, related and sum boxes
    DataType = 0x20, // Cash: data type, line style, label border
    Kind = 0x40,
};
Q_DECLARE_FLAGS(RecordParts, RecordPart)
Q_DECLARE_OPERATORS_FOR_FLAGS(RecordParts)

// The parts in which two states of the same record differ (the fixed text `mem` is
// content and reported apart).
RecordParts PartsChanged(const BoxRecord& before, const BoxRecord& after);
// The part a record column belongs to; the ID belongs to none.
RecordParts PartOf(BoxField field);

enum class PagePart : unsigned {
    Size = 0x01,        // width and height
    Offsets = 0x02,     // print offsets
    Options = 0x04,     // the option boxes and the per-format printing options
    Barcode = 0x08,     // the barcode standard picture boxes draw their codes in
    ScreenWidth = 0x10, // the design screen width the font sizes are scaled by
};
Q_DECLARE_FLAGS(PageParts, PagePart)
Q_DECLARE_OPERATORS_FOR_FLAGS(PageParts)

PageParts PagePartsChanged(const PageParams& before, const PageParams& after);
