#pragma once
// Column widths of the window's grids (FitColumns): each column as wide as its widest
// text plus a margin, an empty column narrow, none wider than half the grid.
class Progress;
class QTableView;

// Measures the header and the first rows (a grid of many thousands of bills would
// freeze the window if every cell were measured; the first rows are the ones shown).
void FitColumns(QTableView* view, int firstColumn, Progress* progress = nullptr);
