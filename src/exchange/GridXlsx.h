#pragma once
// Grids as .xlsx workbooks (libxlsxwriter): one worksheet named by the title, every
// shown row and column from A1 (each text with a tab appended, as in CSV), header
// rows bold on a light orange fill, column widths from the grid, thin borders over
// the whole written range.
#include <QString>

class Progress;
struct GridTable;

// Written to a temporary file that then replaces `path`; false when it could not be.
bool WriteGridXlsx(const GridTable& grid, const QString& path, const QString& sheetTitle,
                   Progress& progress);
