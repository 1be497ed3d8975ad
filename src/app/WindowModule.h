#pragma once
// The window's code (widgets, charts, the printing dialogs) is built as a module of its
// own, loaded by the program only when the window starts or a command draws a chart:
// a command-line run then loads none of the widget libraries. The module takes the
// library code it shares with the commands from the program, so the process holds one
// copy of it. These are the module's two entry points, looked up by name.

class QCoreApplication;

extern "C" {
// Makes the widget application and runs the window until it closes; the exit code.
using RunWindowEntry = int (*)(int* argc, char** argv);
// A widget application for a command that draws with widgets (the statistics chart);
// the caller owns it. It also hands the chart drawing to the command line.
using WidgetApplicationEntry = QCoreApplication* (*)(int* argc, char** argv);
}

inline constexpr char kRunWindowEntry[] = "VellumarkRunWindow";
inline constexpr char kWidgetApplicationEntry[] = "VellumarkWidgetApplication";
