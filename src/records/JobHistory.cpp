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

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Bills written together: few enough to hold, many enough to write box by box.
constexpr int kBillsPerWrite = 256;
// Rows of one INSERT statement: 512 values, within the 999 a statement may bind.
constexpr int kRowsPerInsert = 128;
// The store's page cache while a job's transaction is open, in KiB. The dirty pages of
// a large job would otherwise fill the connection's whole cache until the commit; with
// a small one they go to the write-ahead log as they pile up. The store does no more
// work in all: the flush before publishing has that much less to write.
constexpr qint64 kJobCacheKib = 8192;

// What the user is told about a failed write: the store's own words when it knows them.
QString ReasonOf(Database& db) {
    const QString message = FaultMessage(db.LastFault(), db.FaultWhere());
    return message.isEmpty() ? db.LastError() : message;
}

// Holds the connection's page cache to kJobCacheKib while it lives; the connection's
// own setting is back once it ends. A store that cannot tell its setting keeps it.
class SmallCache {
public:
    explicit SmallCache(Database& db) : db_(db) {
        // A server keeps its own memory; the file's setting would fail there and end
        // the job's transaction with it.
        if (db_.IsServer()) return;
        const QueryResult setting = db_.Query(QStringLiteral("PRAGMA cache_size"));
        if (setting.failed || setting.Empty()) return;
        // A negative size counts KiB (as the store sets it); one in pages is left alone.
        const qint64 own = setting.rows.first().value(0).toLongLong();
        if (own >= 0 || -own <= kJobCacheKib) return;
        own_ = own;
        Set(-kJobCacheKib);
    }
    ~SmallCache() {
        if (own_ != 0) Set(own_);
    }
    SmallCache(const SmallCache&) = delete;
    SmallCache& operator=(const SmallCache&) = delete;

private:
    // The size comes from the store itself: a number, nothing a user typed.
    void Set(qint64 size) { db_.Exec(QStringLiteral("PRAGMA cache_size=%1").arg(size)); }

    Database& db_;
    qint64 own_ = 0; // 0: left as it was
};

} // namespace

// The job's transaction, with the name its bills are written under and the number the
// next one gets. The cache is given back after the transaction has ended.
struct JobHistory::Open {
    explicit Open(Database& db) : transaction(db) {}
    std::optional<SmallCache> cache;
    Database::Transaction transaction;
    QString name;
    qint64 firstNumber = 0;
    qint64 nextNumber = 0;
};

JobHistory::JobHistory(Database& db, qint64 identity) : db_(db), identity_(identity) {}

JobHistory::~JobHistory() = default;

bool JobHistory::Fail(const QString& why) {
    open_.reset();
    unwritten_.clear();
    if (failure_.isEmpty()) failure_ = why;
    return false;
}

bool JobHistory::Begin() {
    open_ = std::make_unique<Open>(db_);
    if (!open_->transaction.Active()) return Fail(ReasonOf(db_));
    // Read inside the transaction, which holds the write lock: no rename and no other
    // bill can come between them and the rows.
    open_->name = FormatNameOf(db_, identity_);
    if (open_->name.isEmpty()) return Fail(RecordsText::kFormatGone);
    open_->firstNumber = open_->nextNumber = NextBillNumber(db_, open_->name);
    if (open_->firstNumber <= 0) return Fail(ReasonOf(db_));
    return true;
}

bool JobHistory::Add(const Format& format, const Bill& bill) {
    if (!failure_.isEmpty()) return false;
    QList<QPair<qint64, QString>> values;
    for (const BoxRecord* box : ValueBoxes(format)) {
        QString value = StoredValue(*box, bill);
        if (!value.isEmpty()) values.append({box->id, std::move(value)});
    }
    unwritten_.append(std::move(values));
    return unwritten_.size() < kBillsPerWrite || WriteUnwritten();
}

bool JobHistory::WriteUnwritten() {
    struct Row {
        qint64 boxId;
        qint64 number;
        const QString* value;
    };
    // A job long enough to write twice is a batch: its pages would crowd out the cache.
    // A short one leaves the cache warm for the work that follows it.
    if (open_ && !open_->cache) open_->cache.emplace(db_);
    std::vector<Row> rows;
    for (const auto& values : std::as_const(unwritten_)) {
        if (values.isEmpty()) {
            written_ << 0;
            continue;
        }
        if (!open_ && !Begin()) return false;
        for (const auto& [boxId, value] : values) rows.push_back({boxId, open_->nextNumber, &value});
        written_ << open_->nextNumber++;
    }
    // Box by box: the rows of one box go to neighbouring places of the box indexes, so
    // the store walks a few pages at a time instead of all of them for every bill.
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.boxId < b.boxId; });
    // Many rows to a statement spare the store most of its work per statement; the
    // few left over go one by one, so only two statements are ever prepared.
    static const QString kInsertMany = HistorySql::InsertRows(kRowsPerInsert);
    QVariantList values;
    for (size_t first = 0; first < rows.size();) {
        const size_t count = rows.size() - first >= size_t(kRowsPerInsert) ? kRowsPerInsert : 1;
        values.clear();
        for (size_t i = first; i < first + count; ++i)
            values << rows[i].number << open_->name << rows[i].boxId << *rows[i].value;
        if (!db_.Exec(count == 1 ? HistorySql::kInsert : kInsertMany, values)) return Fail(ReasonOf(db_));
        first += count;
    }
    unwritten_.clear();
    return true;
}

bool JobHistory::FileUnderCurrentName() {
    const QString name = FormatNameOf(db_, identity_);
    if (name.isEmpty()) return Fail(RecordsText::kFormatGone);
    if (name == open_->name) return true;
    // Renamed by this same connection since the first bill (another process cannot while
    // the lock is held): a rename moves the bills it finds, the later ones move here.
    if (!db_.Exec(HistorySql::kRenameJobBills, {name, open_->name, open_->firstNumber}))
        return Fail(ReasonOf(db_));
    open_->name = name;
    return true;
}

bool JobHistory::Prepare(QString* reason) {
    const auto failed = [&] {
        if (reason) *reason = failure_;
        return false;
    };
    if (!failure_.isEmpty() || !WriteUnwritten()) return failed();
    if (!open_) return true; // no bill with a value: nothing to keep
    if (!FileUnderCurrentName()) return failed();
    // On disk before the output goes out: what is left for the commit is one small
    // write, so a full disk stops the job here instead of after publishing.
    if (!db_.FlushToDisk()) {
        Fail(ReasonOf(db_));
        return failed();
    }
    return true;
}

bool JobHistory::Commit() {
    const bool committed = failure_.isEmpty() && (!open_ || open_->transaction.Commit());
    open_.reset();
    // A job that goes out in parts commits each part's bills as it goes.
    if (committed) committed_ += written_;
    written_.clear();
    unwritten_.clear();
    failure_.clear();
    return committed;
}

void JobHistory::Rollback() {
    open_.reset();
    written_.clear();
    unwritten_.clear();
    failure_.clear();
}
