#pragma once
// Exporting a format to a format file, with its background picture beside it.
#include <QString>

class Asker;
class Database;

// The file name the user meant: ".zhq" appended unless it ends so (any case).
QString WithFormatExtension(const QString& path);
// The picture that travels with a format file: its last four characters -> ".jpg".
QString PictureBesideFile(const QString& path);

struct ExportOutcome {
    QString writtenPath; // the file written (path + "1" when the target stayed locked)
    QString failedPath;  // what could not be written; empty on success
    bool formatMissing = false;
    bool Ok() const { return !formatMissing && failedPath.isEmpty(); }
};

// Writes the format's file to `path` (replacing any file there) and copies its
// background picture beside it; no questions asked.
ExportOutcome WriteFormatFile(Database& db, const QString& name, const QString& path);

// The menu command: asks for the format when `name` is empty and for the target file,
// asks before overwriting, writes, and reports. True when the file was written.
bool ExportFormat(const QString& name, Asker& asker, Database& db);
