#pragma once
// The command-line side of the tree's format commands, through the same code as the
// window's popup menu; the command itself is the confirmation, so nothing is asked.
// The name rules and refusals of the window apply; delete refuses the format the
// window opens at start (the last used). Messages go to `err`, success says nothing.
// Return the exit code.
#include <QString>

class Database;
class QTextStream;

int RenameFormatCommand(Database& db, const QString& oldName, const QString& newName,
                        QTextStream& err);
int DeleteFormatCommand(Database& db, const QString& name, QTextStream& err);
