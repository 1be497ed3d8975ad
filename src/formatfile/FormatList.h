#pragma once
// The rows of the format list: one per format that has page parameters.
#include <QList>
#include <QString>

class Database;

struct FormatListRow {
    qint64 id = 0; // the page-parameter row's ID
    QString name;
    double width = 0, height = 0; // page size, mm
};

// Sorted by name.
QList<FormatListRow> ReadFormatList(Database& db);
