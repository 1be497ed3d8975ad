#pragma once
// Whether the data folder can hold the store: a folder, writable, with room left.
#include <QString>

// The message naming the folder and why it cannot be used; empty when it can. Creates
// the folder when missing and the database file's side files' write permission when
// this user owns them.
QString DataFolderProblem(const QString& folder, const QString& databasePath);
