#pragma once
// Splitting CSV text into records and fields.
//
// A run of consecutive double quotes of even length stands for half as many literal
// quotes wherever it appears; a run of odd length also opens a quoted section (when
// none is open) or closes it, so "a""b" reads a"b and ""a"" reads "a". Within a
// quoted section commas and line breaks belong to the field; a line break there
// reads as CR LF. A field made only of an even number of quotes is enclosed by its
// first and last one: "" is empty, """" is one quote. An empty line is a record
// without fields; a line break at the very end adds no record.
#include <QList>
#include <QStringList>
#include <QStringView>

struct CsvRecords {
    QList<QStringList> records;
    // The text ended inside a quoted section: the last field was closed there.
    bool unclosedQuote = false;
};

CsvRecords ParseCsv(QStringView text);

