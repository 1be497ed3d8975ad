#pragma once
// The tables of DATA.db and the start-up upgrade. The layout version lives in
// PRAGMA user_version: 0 is a file from before versioning, kSchemaVersion the
// current layout, which the upgrade leaves untouched. Version 3 dropped the history
// index on the box alone, which no lookup used.
#include <QString>
#include <QStringList>
#include <memory>

class Database;

inline constexpr int kSchemaVersion = 3;

// Creates the tables of a new file, or brings an older file up to the current layout
// (missing tables and indexes, unused indexes dropped, the columns SumID, SumID1 and
// RCtl1 filled with 0, the last-use row). One transaction: a failure leaves the file as it was.
// A server store has its own layout and version (ServerSchema.h).
bool UpgradeSchema(Database& db);

// The indexes both stores share, and the last-use row every store has.
extern const QStringList kCreateIndexes;
bool EnsureLastUseRow(Database& db);
// Runs the statements in order; false at the first that fails.
bool RunAll(Database& db, const QStringList& statements);

// Opens the data folder's DATA.db and upgrades it: the start-up connection (see
// OpenStore). nullptr with `error` set to the message for the user when it cannot be
// opened.
std::unique_ptr<Database> OpenDataDatabase(QString* error = nullptr);
