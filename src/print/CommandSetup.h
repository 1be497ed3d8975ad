#pragma once
// What every print sub-command does first: load the format as designed with the
// conversion settings of the store, and point a printer at a PDF file or a named
// printer. Messages go to `err`.
#include "records/BoxValues.h"
#include "store/Format.h"

#include <memory>
#include <optional>

class Asker;
class Database;
class PdfWriterOutput;
class PrintJob;
class QPrinter;
class QTextStream;

struct CommandFormat {
    Format format;
    ValueFilling filling;          // line-break marker and conversions
    double canvasWidthTwips = 0;   // the design canvas, so fonts print as designed
};

// nullopt after saying the format does not exist.
std::optional<CommandFormat> LoadCommandFormat(Database& db, const QString& name, QTextStream& err);

// Where a command's pages go: a PDF file written straight (no print system asked, see
// PdfWriterOutput.h), or a named printer.
class CommandOutput {
public:
    CommandOutput();
    ~CommandOutput();
    // Exactly one of `pdf` and `printerName` is set; false after saying the printer
    // cannot be used.
    bool Open(const QString& pdf, const QString& printerName, QTextStream& err);
    // A job on the opened output, which must outlive it.
    std::unique_ptr<PrintJob> StartJob(Asker& asker);

private:
    std::unique_ptr<PdfWriterOutput> pdf_;
    std::unique_ptr<QPrinter> printer_;
};
