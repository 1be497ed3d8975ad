#pragma once
// Wrong passwords in a row make each next try wait longer. The count is kept in a file
// beside the store (DATA.db.failures), so starting the program again does not reset it.
#include <QString>

// The wait before the next try after `failures` wrong passwords in a row.
int LoginDelayMs(int failures);
// Waits as long as the failures recorded for this store earned.
void WaitForLoginTurn(const QString& storePath);
// Records the outcome of a try: a failure adds one, a success clears the count.
void NoteLoginOutcome(const QString& storePath, bool succeeded);
