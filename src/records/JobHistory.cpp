#include "records/JobHistory.h"

#include "records/BoxValues.h"
#include "records/History.h"
#include "records/HistorySql.h"
#include "records/RecordsTexts.h"
#include "store/Bill.h"
#include "store/Database.h"
#include "store/Format.h"
#include "store/FormatHold.h"
#include "store/StoreOpening.h"

namespace {

// What the user is told about a failed write: the store's own words when it knows them.
QString ReasonOf(Database& db) {
    const QString message = FaultMessage(db.LastFault(), db.Path());
    return message.isEmpty() ? db.LastError() : message;
}

} // namespace

struct JobHistory::Open {
    explicit Open(Database& db) : transaction(db) {}
    Database::Transaction transaction;
};

JobHistory::JobHistory(Database& db, qint64 identity) : db_(db), identity_(identity) {}

JobHistory::~JobHistory() = default;

void JobHistory::Add(const Format& format, const Bill& bill) {
    QList<QPair<qint64, QString>> values;
    for (const BoxRecord* box : ValueBoxes(format)) {
        QString value = StoredValue(*box, bill);
        if (!value.isEmpty()) values.append({box->id, std::move(value)});
    }
    bills_.append(std::move(values));
}

bool JobHistory::Prepare(QString* reason) {
    open_.reset();
    written_.clear();
    const auto fail = [&](const QString& why) {
        open_.reset();
        written_.clear();
        if (reason) *reason = why;
        return false;
    };
    open_ = std::make_unique<Open>(db_);
    if (!open_->transaction.Active()) return fail(ReasonOf(db_));
    // The name is read inside the transaction, which holds the write lock: no rename
    // can come between it and the rows.
    const QString name = FormatNameOf(db_, identity_);
    if (name.isEmpty()) return fail(RecordsText::kFormatGone);
    qint64 number = NextBillNumber(db_, name);
    if (number <= 0) return fail(ReasonOf(db_));
    for (const auto& values : std::as_const(bills_)) {
        if (values.isEmpty()) {
            written_ << 0;
            continue;
        }
        for (const auto& [boxId, value] : values)
            if (!db_.Exec(HistorySql::kInsert, {number, name, boxId, value}))
                return fail(ReasonOf(db_));
        written_ << number++;
    }
    // On disk before the output goes out: what is left for the commit is one small
    // write, so a full disk stops the job here instead of after publishing.
    if (!db_.FlushToDisk()) return fail(ReasonOf(db_));
    return true;
}

bool JobHistory::Commit() {
    if (!open_) return false;
    const bool committed = open_->transaction.Commit();
    open_.reset();
    committed_ = committed ? written_ : QList<qint64>{};
    written_.clear();
    if (committed) bills_.clear();
    return committed;
}

void JobHistory::Rollback() {
    open_.reset();
    written_.clear();
    bills_.clear();
}
