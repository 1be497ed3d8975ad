#pragma once
// The history bills of one print job, held in memory until its output is published
// and then written in one transaction (see core/PublishStep.h): every bill or none.
// The bills are stored under the format's name at the moment they are written, found
// by the format's identity, so a job never files bills under a name that is gone.
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

    // Takes the printed bill's values; a bill without any value stores nothing.
    void Add(const Format& format, const Bill& bill);
    // Bills added since the last Commit or Rollback.
    int Pending() const { return int(bills_.size()); }

    // Opens the transaction and writes every pending bill; false, rolled back and
    // with the reason, when it cannot. Holds the store's write lock until Commit or
    // Rollback.
    bool Prepare(QString* reason) override;
    // Commits what Prepare wrote; false when it could not be kept.
    bool Commit() override;
    // Drops what Prepare wrote and the pending bills: their output never went out.
    void Rollback() override;
    // The numbers the last committed bills got, in the order they were added.
    QList<qint64> CommittedNumbers() const { return committed_; }

private:
    Database& db_;
    qint64 identity_;
    QList<QList<QPair<qint64, QString>>> bills_;
    struct Open;
    std::unique_ptr<Open> open_;
    QList<qint64> written_, committed_;
};
