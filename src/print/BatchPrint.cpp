#include "print/BatchPrint.h"

#include "core/Asker.h"
#include "print/JobProgress.h"
#include "print/PrintJob.h"
#include "print/PrintTexts.h"
#include "records/JobHistory.h"
#include "store/Bill.h"
#include "store/Database.h"
#include "store/Format.h"
#include "store/FormatHold.h"

#include <algorithm>
#include <limits>
#include <optional>

QString BatchSource::Describe(int index) const {
    return describe ? describe(index) : PrintText::RowName(index + 1);
}

void ReportBatchEnd(const QString& problem, const BatchResult& result, Asker& asker) {
    const QString stopped = !problem.isEmpty() ? problem : result.cancelled ? PrintText::kJobCancelled : QString();
    if (!result.ended && result.printed == 0) {
        // The output never went out (its own message said why): nothing was printed.
        asker.Message(stopped + PrintText::kNothingPrinted);
    } else if (!result.ended) {
        // Strips went out before one failed: their bills are printed, the rest are not.
        asker.Message((stopped.isEmpty() ? PrintText::kPrintError : stopped)
                      + PrintText::PartlyPrinted(result.printed)
                      + (result.withHistory ? PrintText::PartlyKept(result.kept) : QString())
                      + PrintText::kRestNotPrinted);
    } else if (!stopped.isEmpty()) {
        asker.Message(stopped + PrintText::BillsPrinted(result.printed)
                      + (result.withHistory ? PrintText::BillsKept(result.kept) : QString()));
    }
}

BatchResult PrintBatch(PrintJob& job, const Format& format, const BatchSource& source,
                       const BatchOptions& options, JobProgress& progress, Asker& asker) {
    BatchResult result;
    result.withHistory = options.history != nullptr;
    // The job holds its format: no other process renames, deletes or re-saves it
    // until the bills are kept under its name.
    std::optional<FormatHold> hold;
    std::optional<JobHistory> history;
    if (options.history) {
        hold.emplace(*options.history, format.name, FormatHold::Purpose::Print);
        history.emplace(*options.history, hold->Identity());
        job.PublishWith(&*history);
    }
    BillPrintRequest request;
    request.copies = options.copies;
    request.endJob = false;
    request.page = options.page;
    const int copies = std::clamp(options.copies, 1, kMaxCopies);
    job.ExpectPages(int(std::min<qint64>(qint64(source.count) * copies, std::numeric_limits<int>::max())));
    QString problem;
    {
        ProgressScope scope(progress, options.caption, source.count);
        for (int index = 0; index < source.count; ++index) {
            if (progress.CancelRequested()) {
                result.cancelled = true;
                break;
            }
            Bill bill;
            if (!source.load(index, bill, &problem)) {
                problem = PrintText::BillNotLoaded(source.Describe(index), problem);
            } else if (!job.PrintBill(format, bill, request)) {
                problem = PrintText::BillNotPrinted(source.Describe(index));
            } else {
                ++result.printed;
                // Bills that could not be kept would not go out either: the job ends
                // here and publishing says why (JobHistory::Prepare).
                if (history && !history->Add(format, bill)) {
                    result.failedIndex = index;
                    break;
                }
            }
            if (!problem.isEmpty()) {
                result.failedIndex = index;
                break;
            }
            scope.Step();
        }
    }
    // The pages sent stay in the job, which is ended whatever stopped it; their bills
    // are kept as it is published, all in one transaction.
    result.ended = job.End();
    job.PublishWith(nullptr);
    // Printed are the bills whose every copy went out; a strip the spooler refused
    // takes its bills' history with it.
    result.printed = std::min(result.printed, job.PagesSent() / copies);
    result.kept = history ? int(history->CommittedNumbers().size()) : 0;
    if (history && result.kept != result.printed && problem.isEmpty())
        problem = PrintText::kHistoryNotKept;
    ReportBatchEnd(problem, result, asker);
    return result;
}
