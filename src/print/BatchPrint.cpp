#include "print/BatchPrint.h"

#include "core/Asker.h"
#include "print/JobProgress.h"
#include "print/PrintJob.h"
#include "print/PrintTexts.h"
#include "records/History.h"
#include "store/Bill.h"
#include "store/Database.h"

#include <memory>

namespace {

// Printed bills kept in history, many to a transaction. What is committed is whole
// bills only; Finish commits the rest once the job is over.
class HistoryBatch {
public:
    HistoryBatch(Database* db, int billsPerTransaction)
        : db_(db), perTransaction_(qMax(1, billsPerTransaction)) {}

    bool Keep(const Format& format, const Bill& bill) {
        if (!db_) return true;
        if (!transaction_) transaction_ = std::make_unique<Database::Transaction>(*db_);
        if (SaveHistory(*db_, format, bill).outcome == SavedBill::Outcome::Failed) return false;
        ++pending_;
        return pending_ < perTransaction_ || Finish();
    }

    // False when the open transaction could not be committed: its bills are lost.
    bool Finish() {
        if (!transaction_) return true;
        const bool committed = transaction_->Commit();
        if (committed) kept_ += pending_;
        transaction_.reset();
        pending_ = 0;
        return committed;
    }
    int Kept() const { return kept_; }

private:
    Database* db_;
    int perTransaction_;
    std::unique_ptr<Database::Transaction> transaction_;
    int pending_ = 0;
    int kept_ = 0;
};

} // namespace

QString BatchSource::Describe(int index) const {
    return describe ? describe(index) : PrintText::RowName(index + 1);
}

void ReportBatchEnd(const QString& problem, const BatchResult& result, Asker& asker) {
    if (!problem.isEmpty()) asker.Message(problem + PrintText::BillsPrinted(result.printed));
    else if (result.cancelled) asker.Message(PrintText::kJobCancelled + PrintText::BillsPrinted(result.printed));
}

BatchResult PrintBatch(PrintJob& job, const Format& format, const BatchSource& source,
                       const BatchOptions& options, JobProgress& progress, Asker& asker) {
    BatchResult result;
    HistoryBatch history(options.history, options.billsPerTransaction);
    BillPrintRequest request;
    request.copies = options.copies;
    request.endJob = false;
    request.page = options.page;
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
                if (!history.Keep(format, bill))
                    problem = PrintText::BillNotKept(source.Describe(index));
            }
            if (!problem.isEmpty()) {
                result.failedIndex = index;
                break;
            }
            scope.Step();
        }
    }
    // The pages sent stay in the job, which is ended whatever stopped it.
    result.ended = job.End();
    if (!history.Finish() && problem.isEmpty()) problem = PrintText::kHistoryNotKept;
    result.kept = history.Kept();
    ReportBatchEnd(problem, result, asker);
    return result;
}
