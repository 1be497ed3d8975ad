#include "cli/CommandRun.h"

#include "app/ProgramNames.h"
#include "cli/CommandLine.h"
#include "cli/CommandStart.h"

#include <QTextStream>

#include <cstdio>

QStringList ProgramArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int RunParsedCommand(const ParsedCommandLine& parsed, const QList<SubCommand>& table) {
    SetProgramNames();
    QTextStream out(stdout);
    QTextStream err(stderr);
    NoteBusyWaitsOn(err);
    return RunSubCommand(parsed, table, out, err);
}
