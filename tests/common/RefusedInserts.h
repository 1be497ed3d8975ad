#pragma once
// A store that refuses to take rows, as a full disk or a server that says no would:
// a trigger on `table` that aborts every insert (those where `condition`, a test on
// NEW, holds), on the file for this connection only, on the server for the test's
// schema. The store's writes then meet a real refusal from the engine.
#include <QString>

class Database;

bool RefuseInserts(Database& db, const QString& table, const QString& condition = {});
bool AllowInserts(Database& db, const QString& table);
