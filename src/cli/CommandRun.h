#pragma once
// The last steps of starting a command, the same wherever the program runs it: the
// application object exists; the program's names are set and the command runs.
#include <QStringList>

struct ParsedCommandLine;
struct SubCommand;
template <typename T> class QList;

// The program's arguments without its name.
QStringList ProgramArguments(int argc, char** argv);

// Names the program, has busy waits shown on stderr and runs `parsed` from `table`
// with stdout and stderr; the exit code.
int RunParsedCommand(const ParsedCommandLine& parsed, const QList<SubCommand>& table);
