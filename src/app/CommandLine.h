#pragma once
// The command line: `vellumark [--data-dir DIR] [sub-command args...]`. Without a
// sub-command the window starts; a sub-command runs without one.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QTextStream;

struct ParsedCommandLine {
    QString dataDir;   // from --data-dir; empty when not given
    QString command;   // empty: start the window
    QStringList args;  // the sub-command's own arguments
    QString error;     // a malformed global option
};

// Global options are read up to the first argument that is not one; everything
// after the sub-command name belongs to the sub-command. `arguments` excludes the
// program name.
ParsedCommandLine ParseCommandLine(const QStringList& arguments);

struct SubCommand {
    // Gui: fonts, painting or printing, still no window; Widgets: also widget-based
    // drawing (charts), which needs the widget application object.
    enum class Needs { Core, Gui, Widgets };
    QString name;
    QString summary;
    Needs needs = Needs::Core;
    // Runs with the application object already made; returns the exit code.
    std::function<int(const QStringList& args, QTextStream& out, QTextStream& err)> run;
};

// The program's sub-commands; each module that offers one adds its entry here.
const QList<SubCommand>& SubCommands();

// Finds the named command in `table`; nullptr when there is none.
const SubCommand* FindSubCommand(const QList<SubCommand>& table, const QString& name);

// Runs a parsed sub-command from `table`: an unknown name is reported on `err` and
// gives exit code 2.
int RunSubCommand(const ParsedCommandLine& parsed, const QList<SubCommand>& table,
                  QTextStream& out, QTextStream& err);
