#pragma once
// The program's side of its modules (CommandsModule.h, WindowModule.h, PrintersModule.h,
// SheetsModule.h): finds them beside the program (a build tree) or where the package
// installs them, loads them and calls their entries. A module that cannot be loaded is
// told on `err`, or in `problem` for the caller to tell.
#include <memory>

class PrintSystem;
class QCoreApplication;
class QString;
class QTextStream;
class SpreadsheetFiles;

// Runs the program's arguments in the commands module; 1 when it cannot be loaded.
int RunProgramFromModule(int& argc, char** argv);

// Runs the window; 1 when the module cannot be loaded.
int RunWindowFromModule(int& argc, char** argv, QTextStream& err);

// The widget application for a command that draws with widgets; nullptr when the
// module cannot be loaded.
std::unique_ptr<QCoreApplication> WidgetApplicationFromModule(int& argc, char** argv, QTextStream& err);

// The print system of the printers module, for a command printing to a queue; nullptr,
// after saying why on standard error, when the module cannot be loaded.
const PrintSystem* PrintSystemFromModule();

// The spreadsheet files of the spreadsheet module, for a run's first .xlsx or older .xls
// file; nullptr with `problem` set when the module cannot be loaded.
const SpreadsheetFiles* SpreadsheetFilesFromModule(QString* problem);
