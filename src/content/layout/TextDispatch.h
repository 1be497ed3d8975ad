#pragma once
// How a text box's data type places its text on paper.

enum class TextPlacement {
    Flow,        // wrapped lines (LayoutBoxText)
    Cells,       // one character per cell (DrawCells)
    AmountCells, // an amount in fen over the cells (DrawAmountCells)
    Nothing,     // not printed here: hidden types, barcode and code boxes
};

struct TextDispatch {
    TextPlacement placement = TextPlacement::Flow;
    int cells = 0; // for Cells
};

TextDispatch DispatchDataType(double dataType);
