#pragma once
// What every print sub-command does first: load the format as designed with the
// conversion settings of the store, and point a printer at a PDF file or a named
// printer. Messages go to `err`.
#include "records/BoxValues.h"
#include "store/Format.h"

#include <optional>

class Database;
class QPrinter;
class QTextStream;

struct CommandFormat {
    Format format;
    ValueFilling filling;          // line-break marker and conversions
    double canvasWidthTwips = 0;   // the design canvas, so fonts print as designed
};

// nullopt after saying the format does not exist.
std::optional<CommandFormat> LoadCommandFormat(Database& db, const QString& name, QTextStream& err);

// Exactly one of `pdf` and `printerName` is set; false after saying the printer
// cannot be used.
bool UseCommandOutput(QPrinter& printer, const QString& pdf, const QString& printerName,
                      QTextStream& err);
