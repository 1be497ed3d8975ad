#pragma once
// ExportGrid: asks for a file and writes a grid to it, as CSV when the name ends in
// "csv" and as an .xlsx workbook otherwise. A name ending in ".xls" (the old binary
// format, which is not written any more) becomes ".xlsx" and the user is told.
#include <QString>

class Asker;
class Progress;
struct GridTable;

// The file a chosen name is written to.
QString ExportPath(const QString& chosen);

// The written file's path; empty when nothing was written (cancelled, refused or failed,
// with the reason shown through `asker`).
QString ExportGrid(const GridTable& grid, Asker& asker, Progress& progress, const QString& sheetTitle);
