#pragma once
// Grids as CSV files: every shown row a line, every shown column a field; each cell's
// text gets a tab appended (so spreadsheet programs keep long digit strings as text;
// the import removes it again), is quoted as CSV needs, and lines end in CR LF.
#include <QString>
#include <QStringList>

class Progress;
struct GridTable;

// One line without its line end. With `appendTab` each field is text + tab.
QString CsvLine(const QStringList& cells, bool appendTab);

// UTF-8 with a byte-order mark, written to a temporary file that then replaces `path`.
bool WriteGridCsv(const GridTable& grid, const QString& path, Progress& progress);
