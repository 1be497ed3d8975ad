#pragma once
// The command line: `vellumark [--data-dir DIR] [--store URL] [command args...]`. Without a command
// the window starts; a command runs without one.
#include "cli/SubCommand.h"

#include <QList>

struct ParsedCommandLine {
    QString dataDir;   // from --data-dir; empty when not given
    QString store;     // from --store: a server's connection string; empty for the file
    QString command;   // empty: start the window
    QStringList args;  // the command's own arguments
    QString passwordFile; // from --password-file, given anywhere; empty when not given
    QString error;     // a malformed global option
};

// Global options are read up to the first argument that is not one; everything
// after the command name belongs to the command, but for --password-file FILE, which
// every command takes and may come anywhere. `arguments` excludes the program
// name.
ParsedCommandLine ParseCommandLine(const QStringList& arguments);

// The program's commands, in the order the usage lists them.
const QList<SubCommand>& SubCommands();

// Finds the named command in `table`; nullptr when there is none.
const SubCommand* FindSubCommand(const QList<SubCommand>& table, const QString& name);

// Runs a parsed command from `table`: "help" (or "--help") lists them all; an
// unknown name is reported on `err` with that list and gives exit code 2.
int RunSubCommand(const ParsedCommandLine& parsed, const QList<SubCommand>& table,
                  QTextStream& out, QTextStream& err);
