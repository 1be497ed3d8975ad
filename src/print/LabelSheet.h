#pragma once
// Label sheets: rows × columns small copies of the bill on one sheet, one data row
// per cell, filled row by row, left to right. The same drawing serves the printed
// sheet and the on-screen preview.
#include "print/BatchPrint.h"

#include <QList>
#include <QPointF>
#include <QSizeF>

class Bill;
class QPainter;
class QPen;
struct Format;

inline constexpr int kMaxLabelColumns = 200;
inline constexpr int kMaxLabelRows = 100;

struct LabelSheetSpec {
    int columns = 1;
    int rows = 1;
    double widthMm = 205;
    double heightMm = 290;
    bool background = false; // "连同背景图打印"
    bool separators = false; // "打印 标签分隔线"

    // Columns 1..200, rows 1..100 and a sheet of some size; nothing prints otherwise.
    bool Valid() const;
    int PerSheet() const { return columns * rows; }
    int SheetCount(int labels) const;
    QSizeF CellMm() const { return {widthMm / columns, heightMm / rows}; }
};

// The label-sheet fields remembered in the settings store ("TagPrintSet"): columns,
// rows, width and height; a missing or unreadable value keeps its default.
LabelSheetSpec ReadLabelSheetSpec();
void WriteLabelSheetSpec(const LabelSheetSpec& spec);

// The format shrunk into one cell: positions, sizes and spacings scaled by the
// cell's share of the page (across and down separately), the page the cell's size,
// so fonts keep their share of the width.
Format ScaledToCell(const Format& format, const QSizeF& cellMm);

// Draws the bills of one sheet into their cells, the first cell's corner at
// `originMm` (twips and millimetres from the painter's origin). `cellFormat` comes
// from ScaledToCell.
void DrawLabelSheet(QPainter& painter, const Format& cellFormat, const LabelSheetSpec& spec,
                    const QList<Bill>& bills, const QPointF& originMm,
                    const BillPageOptions& options);

// The lines where the cells meet: columns − 1 across, rows − 1 down, over the sheet.
void DrawCellLines(QPainter& painter, const LabelSheetSpec& spec, const QPointF& originMm,
                   const QPen& pen);

// PrintLabelSheets: the bills of `source` as label sheets into `job`, with the
// separator lines in colour 0xFF22FF when asked, the whole run once per copy, moved
// by the format's calibration offsets; then the job ends.
BatchResult PrintLabelSheets(PrintJob& job, const Format& format, const LabelSheetSpec& spec,
                             const BatchSource& source, const BatchOptions& options,
                             JobProgress& progress, Asker& asker);
