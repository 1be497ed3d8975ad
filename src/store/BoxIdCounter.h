#pragma once
// The counter new box IDs are taken from. It only ever rises: a deleted box's ID is
// never given to a new box while history and defaults may still name it.
#include <QtGlobal>

class Database;

// The highest ID handed out so far (0 when none).
qint64 ReadBoxIdCounter(Database& db);
// Raises the counter to `value`, and past every ID in Fmt (rows copied in with their own
// IDs), when it is lower; never lowers it.
bool RaiseBoxIdCounter(Database& db, qint64 value);
