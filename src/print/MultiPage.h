#pragma once
// Multi-page bills: a family of formats named base + "_" + page number (a_1, a_2,
// ...), printed one page after another. After a page is printed the next one opens;
// after the last, the first opens again and the bill counts as finished.
#include <QString>
#include <QStringList>
#include <functional>

class Database;

// The numeric value of the text after the last "_" ("a_12" gives 12, "a_x" 0).
double FamilyPageNumber(const QString& formatName);

// The other pages of the format's family, from the format table: names that are the
// same base, "_" and anything after it (the base matched literally, never as a
// pattern), so "a_1" finds "a_2" but not "ab2" or "a_x_3".
QStringList OtherPages(Database& db, const QString& formatName);

struct PageStep {
    QString open;          // the format to open next; empty: none
    bool finished = true;  // the bill is done (clear-after-print may apply)
};

// Which page follows `formatName` among `others`: the smallest page number above
// it, else the first page (the sequence wraps, finished).
PageStep NextPageStep(const QString& formatName, const QStringList& others);

// NextPageFormat: with `autoJump` off, or a name without "_", or no other pages,
// nothing opens and the bill is finished. Otherwise `openFormat` opens the next page
// (or the first, when this was the last). True when the bill is finished.
bool NextPageFormat(Database& db, const QString& formatName, bool autoJump,
                    const std::function<void(const QString&)>& openFormat);
