#pragma once
// Steps through a query's rows one at a time, for results too large to hold whole
// (every stored value of a format). Values are bound as parameters: whole numbers
// as integers, everything else as text.
#include <QString>
#include <QVariantList>
#include <memory>

class Database;
struct QueryResult;
struct sqlite3_stmt;

class RowCursor {
public:
    RowCursor(Database& db, const QString& sql, const QVariantList& params);
    ~RowCursor();
    RowCursor(const RowCursor&) = delete;
    RowCursor& operator=(const RowCursor&) = delete;

    // Moves to the next row; false at the end or on an error.
    bool Next();
    // The statement could not be prepared or a step failed.
    bool Failed() const { return failed_; }
    qint64 Integer(int column) const;
    QString Text(int column) const;

private:
    void Fail(int code);

    Database& db_;
    sqlite3_stmt* stmt_ = nullptr;
    // On a server store the rows come whole, and the cursor walks them.
    std::unique_ptr<QueryResult> fetched_;
    qsizetype row_ = -1;
    bool failed_ = false;
};
