#pragma once
// What every print command does first: load the format as designed with the
// conversion settings of the store, read where the output goes (--pdf, --printer,
// --copies, --paper), and point a printer there, warning when the page would be cut
// off. Messages go to `err`.
#include "cli/CommandArgs.h"
#include "document/EntrySettings.h"
#include "records/BoxValues.h"
#include "store/Format.h"

#include <memory>
#include <optional>

class Asker;
class Database;
class PdfWriterOutput;
class PrintJob;
class PrintSystem;
class QPagedPaintDevice;
class QTextStream;
struct LabelSheetSpec;

struct CommandFormat {
    Format format;
    ValueFilling filling;          // line-break marker and conversions
    double canvasWidthTwips = 0;   // the design canvas, so fonts print as designed
};

// The line-break marker and rounding method, read as the window reads them at its start.
EntrySettings CommandEntrySettings(Database& db);

// nullopt after saying the format does not exist.
std::optional<CommandFormat> LoadCommandFormat(Database& db, const QString& name, QTextStream& err);

// The options every print command takes for its output.
const QList<CommandOption>& OutputOptions();

struct PrintTarget {
    QString pdf, printer;   // exactly one is set
    int copies = 1;
    // --paper: "format" sets the paper to the page's size; a size is the paper's.
    bool paperAsPage = false;
    std::optional<QSizeF> paperMm;
};

// nullopt with `problem` set when the output options are missing or malformed.
std::optional<PrintTarget> ReadPrintTarget(const CommandArgs& args, QString* problem);

// Where a command's pages go: a PDF file written straight (no print system asked, see
// PdfWriterOutput.h), or a named printer.
class CommandOutput {
public:
    CommandOutput();
    ~CommandOutput();
    // Opens the target and applies --paper to it and to `page`'s options. false after
    // saying the printer cannot be used.
    bool Open(const PrintTarget& target, PageParams& page, QTextStream& err);
    QPagedPaintDevice& Device();
    // A job on the opened output, which must outlive it.
    std::unique_ptr<PrintJob> StartJob(Asker& asker);

private:
    std::unique_ptr<PdfWriterOutput> pdf_;
    std::unique_ptr<QPagedPaintDevice> printer_; // from printers_
    const PrintSystem* printers_ = nullptr;
};

// Warns on `err` when `printed` (a bill page or a label sheet, named by `what`) does
// not lie on the output's paper: what lies beyond it is not printed.
void WarnWhenOffPaper(const QPagedPaintDevice& device, const PageParams& printed, const QString& what,
                      QTextStream& err);

// Warns on `err` naming the boxes of `format` that reach into the printer's hardware
// margins, where nothing is printed.
void WarnOfHardwareMargins(const QPagedPaintDevice& device, const Format& format, QTextStream& err);
void WarnOfHardwareMargins(const QPagedPaintDevice& device, const Format& format, const LabelSheetSpec& spec,
                           QTextStream& err);
