#pragma once
// Many bills in one print job: every data row, or stored history bills. Each bill is
// loaded, printed (its copies on pages of their own) and, when asked, kept as a new
// history bill. The bills are written as they print into one transaction that commits
// when the output is published (records/JobHistory.h), so history never holds a bill
// whose output did not go out. The job stops at the first bill that cannot be loaded,
// printed or written, or when the user cancels; the pages already sent stay, the
// document is ended properly and their bills are kept.
#include "print/BillPage.h"

#include <QString>
#include <functional>

class Asker;
class Bill;
class Database;
class JobProgress;
class PrintJob;
struct Format;

struct BatchSource {
    int count = 0;
    // Puts bill `index` (from 0) into `bill`; false with `problem` set when it cannot.
    std::function<bool(int index, Bill& bill, QString* problem)> load;
    // How the user knows bill `index` ("第3行"); by default its row number from 1.
    std::function<QString(int index)> describe;

    QString Describe(int index) const;
};

struct BatchOptions {
    QString caption;             // of the progress
    int copies = 1;              // of every bill
    BillPageOptions page;        // `background` is taken from the format
    Database* history = nullptr; // keeps every printed bill; none: no history
};

struct BatchResult {
    int printed = 0;        // bills whose pages went out (of a job that failed, those of
                            // the strips the spooler took before)
    int kept = 0;           // of them, stored in history
    bool withHistory = false;
    bool cancelled = false; // the user stopped the job
    int failedIndex = -1;   // the bill that stopped the job
    bool ended = false;     // the document was finished and all of it went out

    // Every bill printed and, with history, kept.
    bool Complete(int count) const {
        return ended && printed == count && (!withHistory || kept == printed);
    }
};

// Tells the user what stopped a batch (`problem`, else a cancel) and how many bills
// were printed; nothing when it ran through. A job that failed after some of its
// strips went out says how many bills those hold and that the rest did not print.
void ReportBatchEnd(const QString& problem, const BatchResult& result, Asker& asker);

// Prints the bills of `source` into `job` and ends it. Problems are told to `asker`
// with the bill that stopped the job.
BatchResult PrintBatch(PrintJob& job, const Format& format, const BatchSource& source,
                       const BatchOptions& options, JobProgress& progress, Asker& asker);
