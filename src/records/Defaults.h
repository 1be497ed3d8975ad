#pragma once
// Default records (table 默认): the contents a format's boxes had when the user last
// left it, written back when the format opens again.
#include <QString>
#include <QStringList>

class Bill;
class Database;
class Progress;
struct Format;
struct ValueFilling;

// The page number of a page of a multi-page bill: the leading number of the text
// after the name's last "_"; 0 when there is none.
int PageNumber(const QString& formatName);

// The pages a format's defaults may reach: the format itself first, then, when its
// name holds "_", the other formats named stem + "_" + anything (stem = the name up
// to its last "_"), ordered by name.
QStringList FormatPages(Database& db, const QString& formatName);

// Replaces the format's default records by the bill's values in one transaction. A
// value of a box whose label begins with a capital "S" also becomes the default of
// the same-labelled boxes of the later pages of its multi-page bill. False when
// nothing was stored.
bool SaveDefaults(Database& db, const Format& format, const Bill& bill, Progress& progress);

// Writes the format's default records into the bill; rows of boxes that no longer
// exist are skipped. False when the records could not be read.
bool LoadDefaults(Database& db, const Format& format, Bill& bill, const ValueFilling& filling,
                  Progress& progress);
