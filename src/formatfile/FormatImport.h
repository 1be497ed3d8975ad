#pragma once
// Importing a format file as a new format.
#include "formatfile/FormatFile.h"

#include <QString>

class Asker;
class Database;
class Progress;

// Larger files are no format files; reading them whole would only exhaust memory.
inline constexpr qint64 kMaxFormatFileBytes = 32 * 1024 * 1024;

// The name a file proposes: its base name, or its name line when that is empty.
QString ProposedFormatName(const QString& path, const FormatFileContent& content);

enum class NameProblem { None, Empty, Unusable, Taken };
// Whether an imported format may take this name: not empty (that is the last-use
// row), a name the name rule takes (Unusable: see FormatNameFault), and no format of
// that name yet.
NameProblem CheckImportName(Database& db, const QString& name);
// What the user is told about a name that is not None.
QString NameProblemText(NameProblem problem, const QString& name);

struct StoreOutcome {
    bool stored = false; // the format is in the database
    QString problem;     // what went wrong, in the program's words; empty when nothing
};
// Stores a parsed file as format `name` with the picture beside `path` as its
// background picture: all of it or, on any failure, nothing.
StoreOutcome StoreFormatFile(Database& db, const FormatFileContent& content, const QString& name,
                             const QString& path);

struct ImportResult {
    bool imported = false;
    QString name;
    bool openNow = false; // the user wants the new format opened
};

// The menu command: asks for the file when `path` is empty, reads and checks it,
// asks for another name while the name is taken, stores the format, and asks
// whether to open it.
ImportResult ImportFormat(const QString& path, Asker& asker, Database& db, Progress& progress);
