#pragma once
// Choosing the printer: the installed printers, the one remembered in the settings
// store ("Printer" under "Validate"), and making a chosen one current.
#include <QString>
#include <QStringList>

class QPrinter;

QStringList InstalledPrinterNames();
QString RememberedPrinter();
void RememberPrinter(const QString& name);

// The name the chooser shows first: the current printer, else the remembered one
// when it is installed, else the first installed printer.
QString PreferredPrinter(const QString& currentName, const QStringList& installed);

// Makes the installed printer `name` current and remembers it. False, leaving the
// printer as it was, when no installed printer has that name or it is not usable.
bool UsePrinter(QPrinter& printer, const QString& name);

// Sends the job to a PDF file instead of a printer.
void UsePdfFile(QPrinter& printer, const QString& path);
