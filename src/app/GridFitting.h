#pragma once
// Column widths of the window's grids (FitColumns): each column as wide as its widest
// text plus a margin, an empty column narrow, none wider than half the grid.
class Progress;
class QTableView;
class QWidget;

// Measures the header and the first rows (a grid of many thousands of bills would
// freeze the window if every cell were measured; the first rows are the ones shown).
void FitColumns(QTableView* view, int firstColumn, Progress* progress = nullptr);

// The pixels a cell of `view` needs beside its text: the style's margin on either side
// and the grid line, without which a text of exactly the column's width is cut.
int CellExtraPixels(const QTableView* view);

// Runs the layouts from the window down to `widget` now: a tab just brought up gets
// its size only when they next run, and fitting needs the grid's width at once.
void SettleLayouts(QWidget* widget);
