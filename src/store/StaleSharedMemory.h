#pragma once
// The database's shared-memory index ("-shm") is rebuilt from the log whenever the
// first connection opens the file. One that this user cannot write, left by a session
// without write access, would keep every later open failing.
#include <QString>

// Removes (or makes writable) a read-only "-shm" beside `databasePath` that no process
// has open. True when there is none left in the way.
bool RecoverStaleSharedMemory(const QString& databasePath);
