#pragma once
// The history bills of one print job, kept in one transaction (see core/PublishStep.h):
// every bill or none. The bills are written into the open transaction a few hundred at
// a time while the job prints, so a batch holds only those few in memory and
// publishing has little left to write. From the first write to the commit the
// transaction holds the store's write lock: no other process can rename the format or
// take its bill numbers in between (their writes wait for the job). The bills are found
// by the format's identity and stored under the name it has when they are kept, never
// under a name that is gone.
#include "core/PublishStep.h"

#include <QList>
#include <QPair>
#include <QString>
#include <memory>

class Bill;
class Database;
struct Format;

class JobHistory final : public PublishStep {
public:
    // `identity`: the format's page-parameter row (store/FormatHold.h).
    JobHistory(Database& db, qint64 identity);
    ~JobHistory() override;
    JobHistory(const JobHistory&) = delete;
    JobHistory& operator=(const JobHistory&) = delete;

    // Takes the printed bill's values (a bill without any value stores nothing) and
    // writes them with the bills before it when enough are waiting. False when they
    // cannot be written: everything the job wrote is dropped and Prepare fails with the
    // reason, so the caller may stop printing bills that would not be kept.
    bool Add(const Format& format, const Bill& bill);
    // Bills added since the last Commit or Rollback.
    int Pending() const { return int(written_.size() + unwritten_.size()); }

    // Writes the bills still waiting and makes them ready for the commit (on disk, under
    // the format's name now); false, rolled back and with the reason, when it cannot.
    bool Prepare(QString* reason) override;
    // Commits what Add wrote; false when it could not be kept.
    bool Commit() override;
    // Drops what Add wrote: its output never went out.
    void Rollback() override;
    // The numbers the committed bills got, in the order they were added (0 for a bill
    // without any value).
    QList<qint64> CommittedNumbers() const { return committed_; }

private:
    bool Begin();
    bool WriteUnwritten();
    bool Fail(const QString& why);
    bool FileUnderCurrentName();

    Database& db_;
    qint64 identity_;
    struct Open;
    std::unique_ptr<Open> open_;
    QList<QList<QPair<qint64, QString>>> unwritten_; // box ID and value of bills added since the last write
    QString failure_; // why the job's bills cannot be kept; empty while they can
    QList<qint64> written_, committed_;
};
