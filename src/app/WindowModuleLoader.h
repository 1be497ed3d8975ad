#pragma once
// The program's side of the window module (WindowModule.h): finds it beside the program
// (a build tree) or where the package installs it, loads it and calls its entries. A
// module that cannot be loaded is told on `err`.
#include <memory>

class QCoreApplication;
class QTextStream;

// Runs the window; 1 when the module cannot be loaded.
int RunWindowFromModule(int& argc, char** argv, QTextStream& err);

// The widget application for a command that draws with widgets; nullptr when the
// module cannot be loaded.
std::unique_ptr<QCoreApplication> WidgetApplicationFromModule(int& argc, char** argv, QTextStream& err);
