#pragma once
// One row of the command table: a command's name, its usage line, what it does, what
// kind of application object it needs, and the function that runs it.
#include <QString>
#include <QStringList>
#include <functional>

class QTextStream;

struct SubCommand {
    // Gui: fonts, painting or printing, still no window; Widgets: also widget-based
    // drawing (charts), which needs the widget application object.
    enum class Needs { Core, Gui, Widgets };
    QString name;
    QString usage;   // the arguments after "vellumark", e.g. "history 格式 [--csv]"
    QString summary; // one sentence
    Needs needs = Needs::Core;
    // Runs with the application object already made; returns the exit code.
    std::function<int(const QStringList& args, QTextStream& out, QTextStream& err)> run;
};
