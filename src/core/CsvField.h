#pragma once
// One cell as CSV writes it, shared by every command and export that writes CSV.
#include <QString>

// The field text of one cell: quotes doubled, and the whole in quotes when it holds
// a comma, a quote or a line break.
QString CsvField(const QString& text);
